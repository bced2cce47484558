#!/usr/bin/env bash
# Measures what Orca says of the game, on the headless desktop of
# scripts/lib/speech-desktop.sh (the one scripts/check-screen-reader.sh plays
# on; QV_DISPLAY=N puts it on the X display :N).
#
#   scripts/measure-speech.sh starts [N]     N fresh starts of a mission: in how
#                                            many the welcome and the whole
#                                            briefing were spoken
#   scripts/measure-speech.sh chat [SECONDS] a stay in the chat room with a few
#                                            commands typed: seconds of speech
#                                            against seconds of play, and how
#                                            many reply lines were spoken
#   scripts/measure-speech.sh bank           //bankaccount: when each line was
#                                            spoken, counted from Return
#
# Seconds of speech are the lengths of espeak-ng's own recordings of what
# Orca said, at espeak-ng's default rate. Logs stay in build/measure-speech/.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-starts}
arg=${2:-}
source scripts/lib/speech-desktop.sh
# espeak-ng's own command measures how long a text takes to say.
speech_desktop_install espeak-ng
binary=$(realpath "${QV_BINARY:-build/dev/quorvexer}")
mission=$(realpath src/assets/missions/tin_cup.qmf)

out=$(realpath -m "build/measure-speech/$mode")
rm -rf "$out"
speech_desktop_start "$out"
# The scripts below read what Orca said with scripts/lib/orca_log.py.
export PYTHONPATH=$speech_lib

# One run: Orca and the game fresh, the mission started; the caller plays on.
# Leaves orca_pid and game_pid set.
begin_run() {  # begin_run NAME
  speech_orca_start "orca-$1" "$out/$1.orca.log"
  speech_start "game-$1" "$binary"
  game_pid=$started_pid
  for _ in $(seq 150); do xdotool search --name "Quorvexer v" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  xdotool key Return
  for _ in $(seq 150); do xdotool search --name "^Open$" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  xdotool type --delay 60 "$mission"
  sleep 2
  xdotool key Return
  sleep 1
  accessible settle Console 90
}
end_run() {  # end_run NAME: keeps the console's text and lets Orca finish speaking
  for _ in 1 2 3 4 5; do accessible text Console >"$out/$1.console.txt" 2>/dev/null && break; sleep 1; done
  sleep "${QV_TAIL_SECONDS:-8}"
  speech_stop "$game_pid"
  speech_stop "$orca_pid"
}
now() { date +%T.%N | cut -c1-15; }
command() {  # command TEXT: types a command; prints when Return was pressed
  xdotool type --delay 40 "$1"
  now
  xdotool key Return
}

case $mode in
  starts)
    good=0
    runs=${arg:-5}
    for i in $(seq "$runs"); do
      begin_run "start$i"
      end_run "start$i"
      if /usr/bin/python3 - "$out" "start$i" <<'EOF'; then good=$((good + 1)); fi
import sys
from orca_log import *
out, name = sys.argv[1], sys.argv[2]
said = [l for _, t in spoken(f"{out}/{name}.orca.log") for l in lines_of(t)]
console = [norm(l) for l in open(f"{out}/{name}.console.txt").read().split("\n") if norm(l)]
welcome = [l for l in console[:2]]
briefing = console[console.index("--------------Loading Complete---------------------"):]
lost_w = [l for l in welcome if not heard(l, said)]
lost_b = [l for l in briefing if not heard(l, said)]
print(f"{name}: welcome {len(welcome) - len(lost_w)}/{len(welcome)} lines,"
      f" briefing {len(briefing) - len(lost_b)}/{len(briefing)} lines heard")
sys.exit(0 if not lost_w and not lost_b else 1)
EOF
    done
    echo "starts with the welcome and the whole briefing heard: $good of $runs"
    ;;
  chat)
    seconds=${arg:-60}
    begin_run chat
    sleep 3
    # A busy room: entered again until it holds at least 15 occupants.
    for _ in $(seq 20); do
      begin=$(command "//chatroom")
      sleep 4
      occupants=$(accessible text Console | grep -o '^[0-9]* users currently' | tail -1 | cut -d' ' -f1)
      [ "${occupants:-0}" -ge 15 ] && break
    done
    asked=()
    # A few commands typed while the room talks, some in quick succession.
    for wait in 15 15 1 14 1; do
      sleep "$wait"
      asked+=("$(command "//harddrive")")
    done
    elapsed=$((15 + 15 + 1 + 14 + 1))
    sleep $((seconds > elapsed ? seconds - elapsed : 0))
    finish=$(now)
    end_run chat
    /usr/bin/python3 - "$out" "$begin" "$finish" <<'EOF'
import re, sys
from orca_log import *
out, begin, finish = sys.argv[1], clock(sys.argv[2]), clock(sys.argv[3])
said = [(t, s) for t, s in spoken(f"{out}/chat.orca.log") if begin <= t <= finish]
speech = sum(seconds_of_speech(s) for _, s in said)
lines_speech = sum(seconds_of_speech(s) for _, s in said if lines_of(s) and len(s) > 2
                   and not s.endswith(" "))
console = [norm(l) for l in open(f"{out}/chat.console.txt").read().split("\n") if norm(l)]
start = max(i for i, l in enumerate(console) if l.startswith("Logging onto hacker chatroom"))
chat = re.compile(r"^[^a-z]*?: ")
replies = [l for l in console[start:] if not chat.match(l) and not l.startswith("//")]
said_lines = [l for _, s in said for l in lines_of(s)]
lost = [l for l in replies if not heard(l, said_lines)]
chat_lines = [l for l in console[start:] if chat.match(l)]
chat_heard = [l for l in chat_lines if heard(l, said_lines)]
print(f"play {finish - begin:.0f} s, speech {speech:.0f} s ({len(said)} utterances),"
      f" {lines_speech:.0f} s without the echo of typed keys")
print(f"chat lines {len(chat_lines)}, spoken {len(chat_heard)}")
print(f"reply lines {len(replies)}, not spoken {len(lost)}")
for l in lost:
    print("  not spoken:", l)
EOF
    ;;
  bank)
    begin_run bank
    sleep 3
    pressed=$(command "//bankaccount")
    sleep 2
    accessible settle Console 60
    end_run bank
    /usr/bin/python3 - "$out" "$pressed" <<'EOF'
import sys
from orca_log import *
out, pressed = sys.argv[1], clock(sys.argv[2])
console = [norm(l) for l in open(f"{out}/bank.console.txt").read().split("\n") if norm(l)]
first = max(i for i, l in enumerate(console) if l.startswith("accessing "))
said = [(t, l) for t, s in spoken(f"{out}/bank.orca.log") if t >= pressed for l in lines_of(s)]
for line in console[first:]:
    when = [t for t, l in said if l in (line, line + ".")]
    print(f"{when[0] - pressed:6.1f} s  {line}" if when else f"   --- s  {line}")
EOF
    ;;
  *)
    echo "usage: $0 starts [N] | chat [SECONDS] | bank" >&2
    exit 2
    ;;
esac
