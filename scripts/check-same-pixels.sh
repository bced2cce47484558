#!/usr/bin/env bash
# Proves the windows draw the same pixels whatever fonts a machine has: renders
# the screenshots once with only the font packages the game depends on, and
# once with those plus a crowd of other faces (some of which fontconfig would
# otherwise offer for the names the windows were drawn with), and compares the
# pictures byte for byte. The extra packages are unpacked into a scratch
# folder, never installed.
#
#   scripts/check-same-pixels.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=${SCREENSHOTS_BUILD_DIR:-build/dev}
depends=(fonts-croscore fonts-3270)
crowd=(fonts-liberation fonts-liberation2 fonts-urw-base35 fonts-noto-mono fonts-freefont-ttf
  fonts-ocr-a fonts-dejavu-extra)

scripts/install-deps.sh
cmake --preset dev -B "$build" >/dev/null
cmake --build "$build" --target quorvexer_screenshots -j "$(nproc)"

scratch=$(mktemp -d)
trap '[ -n "${KEEP_SCRATCH:-}" ] || rm -rf "$scratch"' EXIT
(cd "$scratch" && apt-get download "${crowd[@]}" >/dev/null)
for deb in "$scratch"/*.deb; do dpkg-deb -x "$deb" "$scratch/root"; done

# fontconfig FILE DIRS...: a configuration that knows only these font folders
# and configuration files, on top of the system's rendering rules.
fontconfig() {
  local file=$1
  shift
  {
    echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd"><fontconfig>'
    for entry in "$@"; do
      case $entry in
        *.conf) echo "<include ignore_missing=\"yes\">$entry</include>" ;;
        *) echo "<dir>$entry</dir>" ;;
      esac
    done
    echo "<cachedir>$scratch/cache</cachedir>"
    echo '<include ignore_missing="yes">/etc/fonts/conf.d</include></fontconfig>'
  } >"$file"
}
mapfile -t depend_dirs < <(dpkg -L "${depends[@]}" | grep -E '\.(ttf|otf)$' | xargs -n1 dirname | sort -u)
fontconfig "$scratch/depends.conf" "${depend_dirs[@]}"
fontconfig "$scratch/crowd.conf" /usr/share/fonts "$scratch/root/usr/share/fonts" \
  "$scratch"/root/etc/fonts/conf.d/*.conf

for set in depends crowd; do
  mkdir -p "$scratch/$set"
  echo "== $set: $(FONTCONFIG_FILE="$scratch/$set.conf" fc-list : family | sort -u | wc -l) font families"
  FONTCONFIG_FILE="$scratch/$set.conf" "$build/quorvexer_screenshots" "$scratch/$set" \
    src/assets/missions/tin_cup.qmf >/dev/null 2>&1
done

failed=0
for picture in menu menu-help editor game compiler status; do
  if cmp -s "$scratch/depends/$picture.png" "$scratch/crowd/$picture.png"; then
    echo "same pixels: $picture"
  else
    echo "DIFFERENT: $picture"
    failed=1
  fi
done
exit $failed
