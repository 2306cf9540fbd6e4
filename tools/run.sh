#!/usr/bin/env bash
# Set up, build and start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset dev
cmake --build --preset dev --target vorlaine-love-test
exec build/dev/app/vorlaine-love-test
