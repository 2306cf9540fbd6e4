#!/usr/bin/env bash
# Runs each test program of a build whole, in one process, in a shuffled
# order, so a test that leans on what another left behind fails here (ctest
# starts a process per test and never shows it). The seed is printed; give
# it back as the second argument to replay an order.
#   tools/run-whole.sh build/ci [SEED]
set -uo pipefail
build=${1:?build folder}
seed=${2:-$(( RANDOM % 99999 + 1 ))}
export QT_QPA_PLATFORM=offscreen
log=$(mktemp -d)
failed=0
echo "Each test program whole and shuffled, --gtest_random_seed=$seed"
for t in "$build"/tests/test_*; do
  [[ -f $t && -x $t ]] || continue
  name=$(basename "$t")
  if timeout 600 "$t" --gtest_shuffle --gtest_random_seed="$seed" >"$log/$name.txt" 2>&1; then
    echo "  $name: $(grep -Eo '[0-9]+ tests? from [0-9]+ test suites? ran' "$log/$name.txt" | tail -1)"
  else
    failed=1
    echo "  $name FAILED; replay: QT_QPA_PLATFORM=offscreen $t --gtest_shuffle --gtest_random_seed=$seed"
    grep -E '^\[  FAILED  \]|Failure|ASSERT|Abort|Segmentation' "$log/$name.txt" | head -40 | sed 's/^/    /'
  fi
done
rm -rf "$log"
exit $failed
