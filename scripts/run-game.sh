#!/usr/bin/env bash
# Starts the game, or says plainly why it cannot: a Qt program aborts without a display.
set -u
binary="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quorvexer needs a desktop session: no DISPLAY or WAYLAND_DISPLAY is set (try it under X11, Wayland or xvfb-run)." >&2
  exit 2
fi
exec "$binary"
