#!/usr/bin/env bash
# Fails when a name in the package list (tools/packages.txt, or the file
# given) is not a real Debian package: a name that other packages only
# provide is never installed under that name, so the set-up would try to
# install it on every run.
set -euo pipefail
list="${1:-$(dirname "$0")/packages.txt}"
bad=()
while read -r p; do
  [ -n "$p" ] || continue
  # An installed package is real; otherwise the archive must hold a package
  # of that very name (a provided-only name has no record of its own).
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    continue
  fi
  if apt-cache show --no-all-versions "$p" 2>/dev/null | grep -qx "Package: $p"; then
    continue
  fi
  bad+=("$p")
done < "$list"
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not a real Debian package: ${bad[*]}" >&2
  exit 1
fi
