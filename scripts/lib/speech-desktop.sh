# shellcheck shell=bash
# A desktop that speaks, for the scripts that listen to the game through the
# Orca screen reader: an X server, a session bus, the accessibility bus,
# speech-dispatcher speaking with espeak-ng into libao's null driver (a
# machine without a sound card still speaks, and Orca's log shows what it
# said) and Orca writing its debug log line by line. Everything lives in one
# folder with a fresh home, so it runs without a desktop and leaves the
# player's own session alone. Sourced, not run:
#
#   source scripts/lib/speech-desktop.sh
#   speech_desktop_install [MORE PACKAGES]  the packages, when missing
#   speech_desktop_start DIR                X server, buses, speech; logs in DIR;
#                                           everything started ends with the shell
#   speech_orca_start NAME DEBUG_LOG        Orca, once it is on the bus; sets orca_pid
#   speech_start NAME COMMAND...            a command in the background, logged in
#                                           DIR/NAME.log; sets started_pid
#   speech_stop PID                         ends one process started here
#   accessible orca|focus|text NAME|settle NAME SECONDS
#                                           one look at the accessible tree
#
# QV_DISPLAY=N uses the X display :N; else the first free one from :90.

speech_lib=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
# No byte-code caches beside the scripts.
export PYTHONDONTWRITEBYTECODE=1

# shellcheck disable=SC2120  # more packages are optional
speech_desktop_install() {
  "$speech_lib/../install-deps.sh" --extra orca speech-dispatcher speech-dispatcher-espeak-ng \
    speech-dispatcher-audio-plugins libao4 at-spi2-core dbus-x11 xvfb xdotool python3-pyatspi "$@"
}

speech_pids=()
speech_desktop_stop() {  # ends what was started here, the last first
  local i
  for ((i = ${#speech_pids[@]} - 1; i >= 0; i--)); do kill "${speech_pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}

speech_start() {
  local name=$1
  shift
  "$@" >"$speech_dir/$name.log" 2>&1 &
  started_pid=$!
  speech_pids+=("$started_pid")
}

speech_stop() {
  kill "$1" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
}

accessible() {
  # The game answers the bus only between its typed lines: a time limit, so
  # a busy game cannot hang the caller.
  timeout 90 /usr/bin/python3 "$speech_lib/accessible.py" "$@"
}

speech_home() {  # a fresh home: Orca starts with its defaults, as on a new account
  mkdir -p "$speech_dir/home" "$speech_dir/runtime"
  chmod 700 "$speech_dir/runtime"
  export HOME=$speech_dir/home XDG_RUNTIME_DIR=$speech_dir/runtime
  export XDG_CONFIG_HOME=$speech_dir/home/.config
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
  echo "default_driver=null" >"$HOME/.libao"
  unset WAYLAND_DISPLAY SESSION_MANAGER QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
}

speech_orca_copy() {
  # Orca writes its debug file through a buffer; a listener has to hear each
  # line as it is spoken, so this copy writes line by line. It also starts
  # beside the Orcas of other sessions on this machine (Orca refuses to start
  # while any other of the same user runs): each desktop has buses of its
  # own, so they do not meet.
  sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
    -e "s/^    if otherOrcas():/    if False:/" /usr/bin/orca >"$speech_dir/orca"
  if ! grep -q "buffering=1" "$speech_dir/orca" || grep -q "^    if otherOrcas():" "$speech_dir/orca"; then
    echo "FAIL: this Orca's start script is not the one expected" >&2
    return 1
  fi
}

speech_x_server() {
  local n=${QV_DISPLAY:-}
  if [ -z "$n" ]; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  fi
  speech_start xvfb Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp
  export DISPLAY=:$n
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "FAIL: the X server on :$n did not start (see $speech_dir/xvfb.log)" >&2
  return 1
}

speech_desktop_start() {
  speech_dir=$(realpath -m "$1")
  trap speech_desktop_stop EXIT
  speech_home
  speech_orca_copy || return 1
  speech_x_server || return 1
  eval "$(dbus-launch --sh-syntax)"
  speech_pids+=("$DBUS_SESSION_BUS_PID")
  speech_start atspi-bus /usr/libexec/at-spi-bus-launcher --launch-immediately
  sleep 1
  speech_start speech speech-dispatcher --run-single --timeout 0
  sleep 1
}

speech_orca_start() {
  speech_start "$1" /usr/bin/python3 "$speech_dir/orca" --debug-file="$2"
  # shellcheck disable=SC2034  # for the scripts that stop Orca themselves
  orca_pid=$started_pid
  for _ in $(seq 75); do
    if accessible orca 2>/dev/null; then
      sleep 1
      return 0
    fi
    sleep 0.2
  done
  echo "FAIL: Orca did not come onto the accessibility bus (see $speech_dir/$1.log)" >&2
  return 1
}
