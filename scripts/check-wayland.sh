#!/usr/bin/env bash
# Plays the game on a headless Wayland compositor (sway), keys only:
#  - natively (QT_QPA_PLATFORM=wayland), the download mission from the menu
#    to the win (scripts/play-on-wayland.py): on the way //logfile leaves the
#    keyboard on the input line (the next command is answered), the error box
#    takes the keyboard and gives it back, and F6 brings it back to the game
#    from the compiler window;
#  - started by the compositor with no platform chosen: the menu is an
#    XWayland window.
# Pictures of both go to build/wayland/ (native/game.png, xwayland.png).
#
#   scripts/check-wayland.sh [path/to/quorvexer]
#
# sway refuses to run as root: run as root, the check plays as the ordinary
# user QV_WAYLAND_USER (qvwayland by default, created when missing).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --extra sway wtype grim xwayland qt6-wayland at-spi2-core dbus-x11 \
  python3-pyatspi
binary=$(realpath -m "${1:-build/dev/quorvexer}")
[ -x "$binary" ] || { echo "no game at $binary: build it first (make build-game)" >&2; exit 1; }
mission=$(realpath src/assets/missions/paper_trail.qmf)
player=$(realpath scripts/play-on-wayland.py)
out=$(realpath -m build/wayland)
rm -rf "$out"
mkdir -p "$out"
chmod 755 "$out"

as_player=()
if [ "$(id -u)" = 0 ]; then
  user=${QV_WAYLAND_USER:-qvwayland}
  id "$user" >/dev/null 2>&1 || useradd -m "$user"
  chown "$user" "$out"
  as_player=(runuser -u "$user" --)
fi

runtime=$(mktemp -d /tmp/qv-wayland.XXXXXX)
chmod 755 "$runtime"
mkdir -m 700 "$runtime/run"
[ ${#as_player[@]} = 0 ] || chown "$user" "$runtime/run"
cat >"$runtime/sway.conf" <<'EOF'
output HEADLESS-1 resolution 1366x768
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
focus_on_window_activation focus
xwayland enable
EOF

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT

# Everything runs as the player, in a session of its own.
session_env() {
  session=("${as_player[@]}" env -i PATH=/usr/bin:/bin HOME="$out" LANG=C.UTF-8
    XDG_RUNTIME_DIR="$runtime/run" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1
    WLR_RENDERER=pixman WAYLAND_DISPLAY="${socket:-}" SWAYSOCK="${swaysock:-}"
    DBUS_SESSION_BUS_ADDRESS="${bus:-}")
}
in_session() {
  session_env
  "${session[@]}" "$@"
}
# In the background, logged, and ended with the check.
start() {
  local log=$1
  shift
  session_env
  "${session[@]}" "$@" >"$out/$log" 2>&1 &
  pids+=($!)
}

# The session bus first: the compositor hands it on to what it starts.
bus=unix:path=$runtime/run/bus
start dbus.log dbus-daemon --session --address="$bus" --nofork
sleep 0.5
start sway.log sway -c "$runtime/sway.conf"
for _ in $(seq 100); do
  socket=$(cd "$runtime/run" && ls wayland-? 2>/dev/null | head -1) || true
  swaysock=$(ls "$runtime"/run/sway-ipc.*.sock 2>/dev/null | head -1) || true
  [ -n "$socket" ] && [ -n "$swaysock" ] && break
  sleep 0.1
done
[ -n "$socket" ] || { echo "FAIL: sway did not start (see $out/sway.log)" >&2; exit 1; }
# The first key of a new virtual keyboard can be lost: one stays alive.
start wtype.log wtype -s 7200000
start atspi.log /usr/libexec/at-spi-bus-launcher --launch-immediately
sleep 1

echo "== natively on Wayland: the download mission"
in_session env QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  /usr/bin/python3 "$player" "$binary" "$mission" "$out/native"

echo "== started by the compositor with no platform chosen"
in_session swaymsg exec "$binary" >/dev/null
shell=
for _ in $(seq 100); do
  shell=$(in_session swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(n):
    if (n.get("name") or "").startswith("Quorvexer v"):
        print(n.get("shell"))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))')
  [ -n "$shell" ] && break
  sleep 0.1
done
in_session grim "$out/xwayland.png" || true
# The game ends with the compositor, when the check is over.
if [ "$shell" != xwayland ]; then
  echo "FAIL: the menu is a '${shell:-missing}' window, not an XWayland one" >&2
  exit 1
fi
echo "the menu is an XWayland window"
echo "wayland check passed (pictures in $out)"
