#!/usr/bin/env bash
# Plays a whole download mission by ear, with the Orca screen reader running,
# the way a blind player would: every step is decided from what Orca spoke
# (scripts/play-by-ear.py reads Orca's log as it grows). The player listens in
# the chat room, takes the address heard most, turns it into a phone number,
# dials, checks the server's name against the briefing, lists the files,
# downloads the one the briefing asks for and hears "you won the mission!".
# Before the mission it checks the error box; after it, the compiler window;
# at the end, that Orca spoke every line the game wrote, in order.
#
#   scripts/check-screen-reader.sh [path/to/quorvexer]
#
# RUNS games are played (3 by default), each with a fresh X server, session
# bus, accessibility bus, speech server and Orca, so it runs without a desktop
# and leaves the player's own session alone. It stops at the first failed run.
# Each run's logs stay in build/screen-reader/runN/ for a look afterwards.
# QV_DISPLAY=N plays on the X display :N (scripts/lib/speech-desktop.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib/speech-desktop.sh
speech_desktop_install
binary=${1:-build/dev/quorvexer}
if [ -z "${1:-}" ]; then
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target quorvexer >/dev/null
fi
binary=$(realpath "$binary")
# The download mission among the samples.
mission=$(realpath src/assets/missions/paper_trail.qmf)
player=$(realpath scripts/play-by-ear.py)
runs=${RUNS:-3}
# How the player reads speech, before any game is played.
/usr/bin/python3 tests/scripts/test_play_by_ear.py -q

top=$(realpath -m build/screen-reader)
rm -rf "$top"

play() {  # play DIR: one game from a fresh desktop; its logs go to DIR
  speech_desktop_start "$1" || return 1
  speech_orca_start orca "$1/orca-debug.log" || return 1
  /usr/bin/python3 "$player" "$binary" "$mission" "$1" "$1/orca-debug.log"
}

passed=0
for run in $(seq "$runs"); do
  began=$(date +%s)
  if ! (play "$top/run$run"); then
    echo "screen reader check FAILED in run $run of $runs after $passed passed" \
      "(logs in $top/run$run)" >&2
    exit 1
  fi
  passed=$((passed + 1))
  echo "run $run: won the mission by ear in $(($(date +%s) - began)) s" \
    "($(sed -n 's/.*types   //p' "$top/run$run/play.txt" | paste -sd '|'))"
done
echo "screen reader check passed: $passed runs in a row"
