#!/usr/bin/env bash
# Hours of simulated play on the sanitizer build: for each seed, SOAK_TICKS
# ticks (a tick is one second of game time with all its timer work), every
# rule of the world checked every tick, resident memory at the end compared
# with memory after SOAK_CHECKPOINT ticks. Fails on a broken rule, a
# sanitizer report, or memory that moved more than 10% after the checkpoint.
#
#   SOAK_TICKS=1000000 SOAK_CHECKPOINT=100000 SOAK_SEEDS="1 2 3" scripts/soak.sh
set -euo pipefail
cd "$(dirname "$0")/.."

ticks=${SOAK_TICKS:-1000000}
checkpoint=${SOAK_CHECKPOINT:-100000}
seeds=${SOAK_SEEDS:-"1 2 3"}
build=${SOAK_BUILD_DIR:-build/asan}
# A short run still needs a checkpoint before its end.
if [ "$checkpoint" -ge "$ticks" ]; then checkpoint=$((ticks / 10)); fi

scripts/install-deps.sh
cmake --preset asan -B "$build" >/dev/null
cmake --build "$build" --target soak_driver -j "$(nproc)"

started=$(date +%s)
failed=()
for seed in $seeds; do
  if ! "$build/soak/soak_driver" --seed "$seed" --ticks "$ticks" --checkpoint "$checkpoint"; then
    failed+=("$seed")
  fi
done
elapsed=$(($(date +%s) - started))
echo "soak: seeds ${seeds} of ${ticks} ticks in ${elapsed} s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "soak: FAILED for seed(s) ${failed[*]}" >&2
  exit 1
fi
echo "soak: passed"
