#!/usr/bin/env bash
# Runs a test program on an X server of its own (Xvfb) whose keys repeat
# quickly, then stops the server.
#   tests/support/run-on-xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -ardelay 150 -arinterval 30 3>"$dir/display" 2>"$dir/log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 1 100); do
  [ -s "$dir/display" ] && break
  if ! kill -0 $server 2>/dev/null; then
    echo "Xvfb did not start:" >&2; cat "$dir/log" >&2; exit 1
  fi
  sleep 0.1
done
[ -s "$dir/display" ] || { echo "Xvfb gave no display" >&2; exit 1; }
# No session bus: with none set, one would be started through the display.
DISPLAY=:$(head -n1 "$dir/display") QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: "$@"
