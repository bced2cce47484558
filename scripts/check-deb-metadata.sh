#!/usr/bin/env bash
# Checks a built package the way Debian and the software centres read it:
# lintian with pedantic and informational tags, the AppStream metadata and the
# desktop entry as installed by the package. Prints every finding and fails on
# any error or warning (lintian's E: and W:, appstreamcli's errors and
# warnings, any complaint of desktop-file-validate).
#
#   scripts/check-deb-metadata.sh build/release/quorvexer_1.0.0_amd64.deb
set -euo pipefail

deb=$(realpath "$1")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

echo "== lintian --pedantic"
# Lintian refuses nothing as root but warns about it; run it as nobody when we
# are root, with the package readable from a place nobody can reach.
lintian_out=$tree.lintian
run_lintian=(lintian --pedantic --display-info --fail-on none "$deb")
if [ "$(id -u)" -eq 0 ]; then
  cp "$deb" "$tree/" && chmod 755 "$tree" && chmod 644 "$tree/$(basename "$deb")"
  run_lintian=(setpriv --reuid=nobody --regid=nogroup --clear-groups
    env HOME=/tmp lintian --pedantic --display-info --fail-on none "$tree/$(basename "$deb")")
fi
# From the package's own folder: lintian goes back to the folder it started
# in, which nobody may not enter (as /root is not).
(cd "$tree" && "${run_lintian[@]}") >"$lintian_out" 2>&1 || fail "lintian did not run"
sed 's/^/  | /' "$lintian_out"
if grep -qE '^(E|W): ' "$lintian_out"; then fail "lintian reports errors or warnings"; fi
rm -f "$lintian_out"

echo "== appstreamcli validate --pedantic --no-net"
metainfo=("$tree"/usr/share/metainfo/*.metainfo.xml)
appstream_out=$(appstreamcli validate --pedantic --no-net --no-color "${metainfo[@]}" 2>&1) ||
  fail "appstreamcli rejects the metadata"
sed 's/^/  | /' <<<"$appstream_out"
if grep -qE '^(E|W): ' <<<"$appstream_out"; then fail "appstreamcli reports errors or warnings"; fi

echo "== desktop-file-validate"
# It exits 0 on warnings and hints: any output at all is a complaint.
if ! desktop_out=$(desktop-file-validate "$tree"/usr/share/applications/*.desktop 2>&1) ||
  [ -n "$desktop_out" ]; then
  sed 's/^/  | /' <<<"$desktop_out"
  fail "desktop-file-validate complains about the desktop entry"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "The package passes lintian, appstreamcli and desktop-file-validate."
