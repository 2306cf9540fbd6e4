#!/usr/bin/env bash
# tools/setup.sh with apt-get, sudo and id replaced by programs that record
# their calls: on this machine, where the set-up has run, it calls neither
# apt-get nor sudo; with a package missing from the machine it installs just
# that one, through sudo for an ordinary user and directly for root.
set -euo pipefail
tools="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
for prog in apt-get sudo; do
  printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\n' "$prog" "$work" > "$work/bin/$prog"
done
chmod +x "$work"/bin/*

# Runs a set-up script as the user whose id is $2; prints the recorded calls.
run() {
  printf '#!/bin/sh\necho %s\n' "$2" > "$work/bin/id"
  chmod +x "$work/bin/id"
  rm -f "$work/calls"
  PATH="$work/bin:$PATH" bash "$1" > /dev/null
  [ -f "$work/calls" ] && cat "$work/calls"
  return 0
}

failed=0
expect() { # name, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %s\n  got:      %s\n' "$1" "$2" "$3"
    failed=1
  fi
}

expect "set-up machine, ordinary user" "" "$(run "$tools/setup.sh" 1000)"
expect "set-up machine, root" "" "$(run "$tools/setup.sh" 0)"

# The same script beside a list with one package this machine lacks.
mkdir "$work/copy"
cp "$tools/setup.sh" "$work/copy/"
{ cat "$tools/packages.txt"; echo; echo no-such-package-here; } > "$work/copy/packages.txt"
expect "one missing, ordinary user" \
  "$(printf 'sudo apt-get update\nsudo apt-get install -y no-such-package-here')" \
  "$(run "$work/copy/setup.sh" 1000)"
expect "one missing, root" \
  "$(printf 'apt-get update\napt-get install -y no-such-package-here')" \
  "$(run "$work/copy/setup.sh" 0)"

# The check of the list's names: the list passes; a provided-only name and
# an unknown one do not.
"$tools/check-packages.sh" || { echo "FAIL the package list has a name that is not a real package"; failed=1; }
printf 'cmake\nlibqt6svg6-dev\n' > "$work/virtual.txt"
if "$tools/check-packages.sh" "$work/virtual.txt" 2> "$work/err"; then
  echo "FAIL a provided-only name passed the check"
  failed=1
fi
expect "check names the bad one" "Not a real Debian package: libqt6svg6-dev" "$(cat "$work/err")"
exit $failed
