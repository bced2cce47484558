#!/usr/bin/env bash
# Plays a short game the way a blind player would, with the Orca screen
# reader running, and checks from Orca's own log that it spoke every line the
# game wrote and the error box's message.
#
#   scripts/check-screen-reader.sh [path/to/quorvexer]
#
# It starts its own X server (Xvfb), session bus, accessibility bus and Orca,
# so it runs without a desktop and leaves the player's own session alone.
# The log of the run stays in build/screen-reader/ for a look afterwards.
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
mission=$(realpath src/assets/missions/tin_cup.qmf)

out=$(realpath -m build/screen-reader)
rm -rf "$out"
mkdir -p "$out/home" "$out/runtime"
chmod 700 "$out/runtime"
# A fresh home: Orca starts with its default settings, as on a new account.
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime XDG_CONFIG_HOME=$out/home/.config
# The voice is real but goes nowhere: a machine without a sound card still
# speaks, and Orca's log shows what it said.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
EOF
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
start orca orca --debug-file="$out/orca-debug.log"
orca_pid=${pids[-1]}

# What the accessibility bus shows of the game: the text of a pane, the
# focused control, whether Orca is there.
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

def pane_text(name):
    pane = find(app("Quorvexer"), lambda n: n.name == name and n.getRoleName() == "text")
    text = pane.queryText()
    return text.getText(0, text.characterCount)

def focused(node, names):
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        names.append(node.name)
    for i in range(node.childCount):
        focused(node.getChildAtIndex(i), names)
    return names

command = sys.argv[1]
if command == "orca":
    sys.exit(0 if app("orca") is not None else 1)
elif command == "text":
    sys.stdout.write(pane_text(sys.argv[2]))
elif command == "focus":
    print("\n".join(focused(app("Quorvexer"), [])))
elif command == "settle":
    # Until the console has not changed for a while: the reply is typed.
    last, since = None, time.time()
    deadline = time.time() + float(sys.argv[2])
    while time.time() < deadline:
        now = pane_text("Console")
        if now != last:
            last, since = now, time.time()
        elif time.time() - since > 1.5:
            break
        time.sleep(0.3)
EOF
probe() { timeout 60 /usr/bin/python3 "$out/probe.py" "$@"; }
for _ in $(seq 75); do probe orca 2>/dev/null && break; sleep 0.2; done
sleep 1

start game "$binary"

wait_window() {
  for _ in $(seq 150); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL: no window named '$1'" >&2
  exit 1
}
command() {  # command TEXT: types a command into the input line and waits for the reply
  xdotool type --delay 40 "$1"
  xdotool key Return
  sleep 0.5
  probe settle 40
}
expect_focus() {  # expect_focus NAME WHEN
  local now
  now=$(probe focus)
  if ! grep -qxF "$1" <<<"$now"; then
    echo "FAIL: after $2 the keyboard is on '${now//$'\n'/, }', not on '$1'" >&2
    failed=1
  fi
}
failed=0

wait_window "Quorvexer v"
sleep 1
xdotool key Return             # the menu opens with NEW GAME focused
wait_window "^Open$"
sleep 1
expect_focus "File name:" "the mission dialog opened"
xdotool type --delay 60 "$mission"
sleep 2
xdotool key Return
sleep 1
probe settle 60
expect_focus "Command line" "the mission dialog closed"
command "//harddrive"
command "//servername"
command "//dial 12ab"
probe settle 5
expect_focus "OK" "the error box opened"
xdotool key Return
sleep 1
expect_focus "Command line" "the error box closed"
command "//create virus deleter"
for _ in $(seq 60); do
  probe text "Compiler console" | grep -q "Program created" && break
  sleep 0.5
done
sleep 1
expect_focus "Compiler console" "the compiler window opened"

probe text "Console" >"$out/console.txt"
probe text "Compiler console" >"$out/compiler.txt"
# Orca writes its log in blocks; it is whole once Orca has ended.
kill "$orca_pid"
for _ in $(seq 50); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.2; done

# Every line of both panes must have been spoken once, whole and in order:
# each notification Orca spoke is the next line of one of the two panes. The
# compiler's digits are progress, not lines, and are not spoken.
/usr/bin/python3 - "$out" <<'EOF' || failed=1
import re, sys
out = sys.argv[1]

def norm(text):
    return " ".join(text.split())

def lines(name, keep=lambda line: True):
    with open(f"{out}/{name}", encoding="utf-8") as f:
        return [norm(l) for l in f.read().split("\n") if norm(l) and keep(norm(l))]

with open(f"{out}/orca-debug.log", encoding="utf-8", errors="replace") as f:
    log = f.read()
said = re.findall(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{'", log, re.S)
# The game's lines come as notifications, several lines to one at times.
notices = [norm(line) for s in said if s.startswith("notification ")
           for line in s[len("notification "):].split("\n") if norm(line)]
panes = {"console": lines("console.txt"),
         "compiler": lines("compiler.txt", lambda l: not re.fullmatch(r"[01]+", l))}
# Orca adds a full stop after a line that ends in a letter or digit.
same = lambda notice, line: notice in (line, line + ".")
faults = []
for notice in notices:
    for name, todo in panes.items():
        if todo and same(notice, todo[0]):
            todo.pop(0)
            break
    else:
        faults.append(f"spoken but not the next line of a pane: {notice!r}")
for name, todo in panes.items():
    faults += [f"{name} line never spoken: {line!r}" for line in todo]
# The error box: its message with the full stop, then its button.
box = [i for i, s in enumerate(said) if s == "'12ab' is not a valid integer value."]
if not box or "OK push button." not in said[box[0]:]:
    faults.append("the error box was not read as its message, then its button")
for fault in faults:
    print("FAIL:", fault)
print(f"{len(notices)} lines spoken, {len(faults)} faults")
sys.exit(1 if faults else 0)
EOF
if [ "$failed" -ne 0 ]; then
  echo "screen reader check FAILED (logs in $out)" >&2
  exit 1
fi
echo "screen reader check passed"
