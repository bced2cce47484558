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
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --extra orca speech-dispatcher speech-dispatcher-espeak-ng \
  speech-dispatcher-audio-plugins libao4 at-spi2-core dbus-x11 xvfb xdotool python3-pyatspi
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
out=$1
mkdir -p "$out/home" "$out/runtime"
chmod 700 "$out/runtime"
# A fresh home: Orca starts with its default settings, as on a new account.
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime XDG_CONFIG_HOME=$out/home/.config
# The voice is real but goes nowhere: a machine without a sound card still
# speaks, and Orca's log shows what it said.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF2'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
EOF2
echo "default_driver=null" >"$HOME/.libao"
unset WAYLAND_DISPLAY SESSION_MANAGER QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY

pids=()
cleanup() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
}
trap cleanup EXIT

start() {  # start NAME COMMAND...: runs a command in the background, logged
  local name=$1
  shift
  "$@" >"$out/$name.log" 2>&1 &
  pids+=($!)
}

n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=:$n
start xvfb Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
start atspi-bus /usr/libexec/at-spi-bus-launcher --launch-immediately
sleep 1
start speech speech-dispatcher --run-single --timeout 0
sleep 1
# Orca writes its debug file through a buffer; the player has to hear each
# line as it is spoken, so it runs a copy that writes line by line. The copy
# also starts beside another user's Orca (a check run elsewhere on this
# machine): each run has buses of its own, so they do not meet.
sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
  -e "s/^    if otherOrcas():/    if False:/" /usr/bin/orca >"$out/orca"
if ! grep -q "buffering=1" "$out/orca" || grep -q "^    if otherOrcas():" "$out/orca"; then
  echo "FAIL: this Orca's start script is not the one expected" >&2
  return 1
fi
start orca /usr/bin/python3 "$out/orca" --debug-file="$out/orca-debug.log"
for _ in $(seq 75); do timeout 60 /usr/bin/python3 "$player" probe orca 2>/dev/null && break; sleep 0.2; done
sleep 1

/usr/bin/python3 "$player" "$binary" "$mission" "$out" "$out/orca-debug.log"
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
