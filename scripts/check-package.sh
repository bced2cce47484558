#!/usr/bin/env bash
# Proves the Debian package installs and starts on a clean Debian 12 (or the
# release QV_SUITE names: trixie for Debian 13): builds a
# minimal tree of that release with debootstrap from the mirror this machine's apt
# uses, lets apt install the package there (so every library must come from the
# Depends line), and starts the game in it. Then, as on a desktop, the MIME
# database and the desktop entries' cache must know the game's mission files.
# Run as root; it takes a few minutes
# and about 0.5 GB, and removes the tree afterwards (QV_KEEP_CHROOT=1 keeps it).
#
#   scripts/check-package.sh [build/release/quorvexer_1.0.0_amd64.deb]
#   QV_SUITE=trixie scripts/check-package.sh   # the same package on Debian 13
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 1; }

deb=${1:-$(find build/release -maxdepth 1 -name 'quorvexer_*.deb' 2>/dev/null | head -n 1)}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "No package found: run make package first." >&2
  exit 1
fi
suite=${QV_SUITE:-bookworm}
case "$suite" in
  *[!a-z]* | "") echo "QV_SUITE must be a release's code name, such as trixie." >&2; exit 1 ;;
esac
root=${QV_CHROOT:-/tmp/clean}
case "$root" in
  /?*) ;;
  *) echo "QV_CHROOT must be an absolute path other than /." >&2; exit 1 ;;
esac
root=${root%/}

failures=0
# expect WHAT COMMAND...: runs the command and reports WHAT as passed or failed.
expect() {
  local what=$1
  shift
  if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

# --- the chroot's life: nothing below may outlive the script ---------------

mounted_under() { awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts; }

unmount_all() {
  local m
  # Deepest first, so nested mounts come off before their parents.
  for m in $(mounted_under | sort -r); do umount "$m" || umount -l "$m"; done
}

remove_root() {
  [ -e "$root" ] || return 0
  unmount_all
  if [ -n "$(mounted_under)" ]; then
    echo "Still mounted under $root; not removing it." >&2
    return 1
  fi
  # --one-file-system: never follow a mount we failed to see into the host.
  rm -rf --one-file-system "$root"
}

finish() {
  if [ "${QV_KEEP_CHROOT:-0}" = 1 ]; then
    unmount_all
    echo "Kept $root"
  else
    remove_root
  fi
}
trap finish EXIT

# /usr/games is on every Debian user's PATH.
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games HOME=/root LANG=C.UTF-8 "$@"; }

# --- a clean tree of the release --------------------------------------------

# The release, its updates and its security suite, from the archives this
# machine's apt uses.
. scripts/host-mirrors.sh
repos="$mirror $suite
$mirror $suite-updates
$security $suite-security"

scripts/install-deps.sh --extra debootstrap
remove_root
echo "== debootstrap $suite from $mirror into $root"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
rm -f "$root.debootstrap.log"

# The same release, updates and security suites a fresh installation has.
awk '{ print "deb " $1 " " $2 " main" }' <<<"$repos" >"$root/etc/apt/sources.list"
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# Packages must not start services in the tree.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
mount -t proc proc "$root/proc"

# --- install: apt must resolve every dependency by itself -------------------

cp "$deb" "$root/tmp/"
name=$(basename "$deb")
echo "== apt-get install /tmp/$name"
in_root apt-get update -qq
# Without recommends: the Depends line alone must be enough to run.
if ! in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$name" >"$root/tmp/install.log" 2>&1; then
  tail -n 30 "$root/tmp/install.log"
  echo "FAIL: apt could not install $name"
  exit 1
fi
echo "PASS: apt installed $name and its dependencies"

echo "== dpkg -L quorvexer"
listing=$(in_root dpkg -L quorvexer)
echo "$listing"
for path in /usr/games/quorvexer /usr/share/applications/quorvexer.desktop \
  /usr/share/icons/hicolor/scalable/apps/quorvexer.svg \
  /usr/share/icons/hicolor/48x48/apps/quorvexer.png /usr/share/man/man6/quorvexer.6.gz \
  /usr/share/doc/quorvexer/copyright /usr/share/doc/quorvexer/changelog.gz \
  /usr/share/mime/packages/quorvexer.xml /usr/share/metainfo/org.quorvexer.quorvexer.metainfo.xml; do
  expect "installs $path" grep -qx "$path" <<<"$listing"
done
missions=$(grep -c '^/usr/share/games/quorvexer/missions/.*\.qmf$' <<<"$listing" || true)
expect "installs the 3 sample missions (found $missions)" [ "$missions" -eq 3 ]

missing=$(in_root ldd /usr/games/quorvexer | grep 'not found' || true)
expect "every shared library is found${missing:+: $missing}" [ -z "$missing" ]

# --- run ---------------------------------------------------------------------

echo "== quorvexer --version, without a display"
set +e
version=$(in_root quorvexer --version 2>&1)
status=$?
set -e
echo "  | $version"
expect "--version exits 0 (exit $status)" [ "$status" -eq 0 ]
expect "--version prints the version" [ "$version" = "quorvexer $(dpkg-deb -f "$deb" Version)" ]

echo "== start on the offscreen platform for 5 s"
set +e
in_root env QT_QPA_PLATFORM=offscreen timeout 5 quorvexer >"$root/tmp/run.log" 2>&1
status=$?
set -e
sed 's/^/  | /' "$root/tmp/run.log"
# 124: still in its event loop when timeout stopped it.
expect "ran its event loop until stopped (exit $status, 124 expected)" [ "$status" -eq 124 ]

echo "== start without a display"
set +e
in_root quorvexer >"$root/tmp/nodisplay.out" 2>"$root/tmp/nodisplay.err"
status=$?
set -e
sed 's/^/  | /' "$root/tmp/nodisplay.err"
lines=$(wc -l <"$root/tmp/nodisplay.err")
expect "exits 2 without a display (exit $status)" [ "$status" -eq 2 ]
expect "says why in one line on stderr ($lines lines)" [ "$lines" -eq 1 ]
expect "prints nothing on stdout" [ ! -s "$root/tmp/nodisplay.out" ]

echo "== with a sample mission named on the command line"
set +e
in_root env QT_QPA_PLATFORM=offscreen timeout 5 quorvexer /usr/share/games/quorvexer/missions/tin_cup.qmf \
  >"$root/tmp/run-mission.log" 2>&1
status=$?
set -e
sed 's/^/  | /' "$root/tmp/run-mission.log"
expect "ran its event loop until stopped (exit $status, 124 expected)" [ "$status" -eq 124 ]

# --- desktop integration ---------------------------------------------------

# A desktop has the MIME database and the desktop entries' cache; their dpkg
# triggers must pick up the game's files when the package is installed.
echo "== mission files known to the desktop"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  shared-mime-info desktop-file-utils >"$root/tmp/desktop.log" 2>&1 ||
  { tail -n 20 "$root/tmp/desktop.log"; echo "FAIL: could not install the desktop tools"; exit 1; }
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "/tmp/$name" \
  >>"$root/tmp/desktop.log" 2>&1 ||
  { tail -n 20 "$root/tmp/desktop.log"; echo "FAIL: could not reinstall $name"; exit 1; }
mime=application/x-quorvexer-mission
expect "the MIME database maps *.qmf to $mime" \
  grep -qx "50:$mime:\*\.qmf" "$root/usr/share/mime/globs2"
expect "the MIME database knows $mime" [ -f "$root/usr/share/mime/${mime}.xml" ]
expect "the desktop entries' cache opens $mime with quorvexer.desktop" \
  grep -qx "$mime=quorvexer.desktop;" "$root/usr/share/applications/mimeinfo.cache"

echo "== installed size"
# shellcheck disable=SC2016 # ${...} are dpkg's fields
in_root dpkg-query -W -f='${Package} ${Version}: ${Installed-Size} KiB installed\n${Depends}\n' quorvexer

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
# shellcheck disable=SC1091 # the tree's own release file
echo "All checks passed on a clean $(. "$root/etc/os-release" && echo "$PRETTY_NAME")."
