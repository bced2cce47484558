#!/usr/bin/env bash
# Renders the five windows from a scripted game into docs/ (PNG files shown
# in the README). The game runs on the offscreen platform at a fixed time of
# day, so the pictures change only when the windows or the game change.
#
#   SCREENSHOTS_BUILD_DIR=build/dev scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=${SCREENSHOTS_BUILD_DIR:-build/dev}
mission=src/assets/missions/tin_cup.qmf

# The faces the windows are drawn in come with the game's own dependencies.
scripts/install-deps.sh
cmake --preset dev -B "$build" >/dev/null
cmake --build "$build" --target quorvexer_screenshots -j "$(nproc)"

mkdir -p docs
"$build/quorvexer_screenshots" docs "$mission"
