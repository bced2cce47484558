#!/usr/bin/env bash
# Builds the optimised preset and runs every benchmark in bench/, each on the
# offscreen platform. Every figure is printed beside its floor or target from
# the same run; a missed target is reported, not a failure. Only a benchmark
# that cannot run fails this script.
#
#   BENCH_BUILD_DIR=build/dev scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BENCH_BUILD_DIR:-build/dev}
export QT_QPA_PLATFORM=offscreen

benches=()
for source in bench/*_bench.cpp; do benches+=("$(basename "$source" .cpp)"); done

scripts/install-deps.sh
cmake --preset dev -B "$build" >/dev/null
cmake --build "$build" --target "${benches[@]}" -j "$(nproc)"

echo "Benchmarks of $(git rev-parse --short HEAD 2>/dev/null || echo 'this tree') on $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores"
failed=()
for bench in "${benches[@]}"; do
  echo
  echo "== ${bench}"
  if ! "$build/bench/${bench}"; then failed+=("$bench"); fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "bench: could not run ${failed[*]}" >&2
  exit 1
fi
