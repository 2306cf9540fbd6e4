#!/usr/bin/env bash
# Set up, build and run every test without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/check-packages.sh
cmake --preset ci
cmake --build --preset ci
export QT_QPA_PLATFORM=offscreen
ctest --preset ci
