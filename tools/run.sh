#!/usr/bin/env bash
# Set up, build the optimised program and start it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset release
cmake --build --preset release --target vorlaine-love-test
exec build/release/app/vorlaine-love-test
