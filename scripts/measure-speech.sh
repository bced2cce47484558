#!/usr/bin/env bash
# Measures what Orca says of the game, with the same headless set-up as
# scripts/check-screen-reader.sh (Xvfb, session and accessibility buses,
# speech-dispatcher speaking into libao's null driver, Orca's debug log).
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
scripts/install-deps.sh --extra orca speech-dispatcher speech-dispatcher-espeak-ng \
  speech-dispatcher-audio-plugins libao4 at-spi2-core dbus-x11 xvfb xdotool python3-pyatspi \
  espeak-ng
binary=$(realpath "${QV_BINARY:-build/dev/quorvexer}")
mission=$(realpath src/assets/missions/tin_cup.qmf)

out=$(realpath -m "build/measure-speech/$mode")
rm -rf "$out"
mkdir -p "$out/home" "$out/runtime"
chmod 700 "$out/runtime"
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime XDG_CONFIG_HOME=$out/home/.config
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
EOF
echo "default_driver=null" >"$HOME/.libao"
unset WAYLAND_DISPLAY SESSION_MANAGER QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
# Orca writes its log through a buffer; this copy writes each line at once.
# It also runs beside the Orcas of other sessions on this machine (Orca
# refuses to start while any other of the same user runs).
sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
  -e "s/^    if otherOrcas():/    if False:/" /usr/bin/orca >"$out/orca"

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
start() {  # start NAME COMMAND...: runs a command in the background, logged
  local name=$1
  shift
  "$@" >"$out/$name.log" 2>&1 &
  pids+=($!)
}
stop() {  # stop PID: ends one process this script started
  kill "$1" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
}

n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
start xvfb Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp
export DISPLAY=:$n
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
start atspi-bus /usr/libexec/at-spi-bus-launcher --launch-immediately
sleep 1
start speech speech-dispatcher --run-single --timeout 0
sleep 1

cat >"$out/probe.py" <<'EOF'
import sys, time
import pyatspi

def app(name):
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == name:
            return candidate
    return None

def find(node, test):
    if test(node):
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), test)
        if hit is not None:
            return hit
    return None

def console():
    pane = find(app("Quorvexer"), lambda n: n.name == "Console" and n.getRoleName() == "text")
    text = pane.queryText()
    return text.getText(0, text.characterCount)

if sys.argv[1] == "orca":
    sys.exit(0 if app("orca") is not None else 1)
elif sys.argv[1] == "text":
    sys.stdout.write(console())
elif sys.argv[1] == "settle":
    last, since = None, time.time()
    deadline = time.time() + float(sys.argv[2])
    while time.time() < deadline:
        try:
            now = console()
        except Exception:  # the game is not on the bus yet
            now = None
        if now != last:
            last, since = now, time.time()
        elif time.time() - since > 1.5:
            break
        time.sleep(0.3)
EOF
probe() { timeout 90 /usr/bin/python3 "$out/probe.py" "$@"; }

# One run: Orca and the game fresh, the mission started; the caller plays on.
# Leaves orca_pid and game_pid set.
begin_run() {  # begin_run NAME
  start "orca-$1" /usr/bin/python3 "$out/orca" --debug-file="$out/$1.orca.log"
  orca_pid=${pids[-1]}
  for _ in $(seq 75); do probe orca 2>/dev/null && break; sleep 0.2; done
  sleep 1
  start "game-$1" "$binary"
  game_pid=${pids[-1]}
  for _ in $(seq 150); do xdotool search --name "Quorvexer v" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  xdotool key Return
  for _ in $(seq 150); do xdotool search --name "^Open$" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  xdotool type --delay 60 "$mission"
  sleep 2
  xdotool key Return
  sleep 1
  probe settle 90
}
end_run() {  # end_run NAME: keeps the console's text and lets Orca finish speaking
  for _ in 1 2 3 4 5; do probe text >"$out/$1.console.txt" 2>/dev/null && break; sleep 1; done
  sleep "${QV_TAIL_SECONDS:-8}"
  stop "$game_pid"
  stop "$orca_pid"
}
now() { date +%T.%N | cut -c1-15; }
command() {  # command TEXT: types a command; prints when Return was pressed
  xdotool type --delay 40 "$1"
  now
  xdotool key Return
}

# Reads one run's Orca log: every spoken text with its time, and the lines
# of the console, for the checks below.
cat >"$out/heard.py" <<'EOF'
import re, subprocess, wave

def norm(text):
    return " ".join(text.split())

def spoken(log_path):
    """(seconds of the day, text) for each SPEECH OUTPUT of Orca."""
    with open(log_path, encoding="utf-8", errors="replace") as f:
        log = f.read()
    said = []
    for m in re.finditer(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{'",
                         log, re.S | re.M):
        h, mi, s, text = m.groups()
        said.append((int(h) * 3600 + int(mi) * 60 + float(s), text))
    return said

def lines_of(text):
    """The game's lines within a spoken text, the role word taken off."""
    if text.startswith("notification "):
        text = text[len("notification "):]
    return [norm(l) for l in text.split("\n") if norm(l)]

def heard(line, said_lines):
    line = norm(line)
    return line in said_lines or line + "." in said_lines

def clock(stamp):
    h, m, s = stamp.split(":")
    return int(h) * 3600 + int(m) * 60 + float(s)

def seconds_of_speech(text):
    subprocess.run(["espeak-ng", "-w", "/tmp/measure-speech.wav", text], check=True)
    w = wave.open("/tmp/measure-speech.wav")
    return w.getnframes() / w.getframerate()
EOF

case $mode in
  starts)
    good=0
    runs=${arg:-5}
    for i in $(seq "$runs"); do
      begin_run "start$i"
      end_run "start$i"
      if /usr/bin/python3 - "$out" "start$i" <<'EOF'; then good=$((good + 1)); fi
import sys
sys.path.insert(0, sys.argv[1])
from heard import *
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
      occupants=$(probe text | grep -o '^[0-9]* users currently' | tail -1 | cut -d' ' -f1)
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
sys.path.insert(0, sys.argv[1])
from heard import *
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
    probe settle 60
    end_run bank
    /usr/bin/python3 - "$out" "$pressed" <<'EOF'
import sys
sys.path.insert(0, sys.argv[1])
from heard import *
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
