#!/usr/bin/env bash
# Installs the Debian packages of tools/packages.txt that are not installed
# yet; on a machine that has them all it changes nothing and needs no root.
set -euo pipefail
list="$(dirname "$0")/packages.txt"
missing=()
while read -r p; do
  [ -n "$p" ] || continue
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done < "$list"
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
