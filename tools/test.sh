#!/usr/bin/env bash
# Set up, build and run every test without a display; run each test program
# whole once more in a shuffled order; then build and run the tests again
# under the address and undefined-behaviour sanitizers, where any report (a
# fault, a leak) fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/check-packages.sh
cmake --preset ci
cmake --build --preset ci
export QT_QPA_PLATFORM=offscreen
ctest --preset ci
tools/run-whole.sh build/ci
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
