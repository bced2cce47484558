#!/usr/bin/env bash
# Builds, tests and packages the committed tree on a fresh Debian 13 (trixie):
# the README's test command with warnings as errors (CI=true make test), then
# make package with its lintian, appstreamcli and desktop-file-validate gate.
#
# The Debian 13 tree is made once with debootstrap and kept in build/debian13
# (about 2 GB once the build packages are in); later runs reuse it and copy
# HEAD afresh into it (uncommitted changes are not checked). Run as root.
#
#   scripts/check-debian13.sh              # QV_FRESH=1 makes the tree again
#   scripts/check-debian13.sh test-clang   # more make targets, run after those two
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 1; }

# Resolved, so that the mounts under it are recognised in /proc/mounts even
# when build/debian13 is a link to a tree kept elsewhere.
cache=$(realpath -m build/debian13)
root=$cache/tree
ready=$cache/tree.ready
. scripts/host-mirrors.sh

mounted_under() { awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts; }

unmount_all() {
  local m
  # Deepest first, so nested mounts come off before their parents.
  for m in $(mounted_under | sort -r); do umount "$m" || umount -l "$m"; done
}
trap unmount_all EXIT
# A signal ends the script through its exit trap, so nothing stays mounted.
trap 'exit 1' INT TERM HUP

remove_root() {
  unmount_all
  if [ -n "$(mounted_under)" ]; then
    echo "Still mounted under $root; not removing it." >&2
    exit 1
  fi
  # --one-file-system: never follow a mount we failed to see into the host.
  rm -rf --one-file-system "$root" "$ready"
}

in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 TERM=dumb "$@"
}

# step NAME COMMAND...: runs a command and prints its wall-clock time.
step() {
  local name=$1 start status
  shift
  start=$(date +%s)
  echo "== $name"
  set +e
  "$@"
  status=$?
  set -e
  echo "== $name: $(($(date +%s) - start)) s, exit $status"
  return "$status"
}

scripts/install-deps.sh --extra debootstrap git
[ "${QV_FRESH:-0}" = 1 ] && remove_root

# --- the Debian 13 tree, made once -------------------------------------------

if [ ! -f "$ready" ]; then
  remove_root
  mkdir -p "$cache"
  bootstrap() {
    debootstrap --variant=minbase --include=make trixie "$root" "$mirror" \
      >"$cache/debootstrap.log" 2>&1 || { tail -n 20 "$cache/debootstrap.log" >&2; return 1; }
  }
  step "debootstrap trixie from $mirror into $root" bootstrap
  # The release, its updates and security suites, as a fresh installation has.
  cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror trixie main
deb $mirror trixie-updates main
deb $security trixie-security main
EOF
  # Packages must not start services in the tree.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod +x "$root/usr/sbin/policy-rc.d"
  touch "$ready"
fi
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

mount -t proc proc "$root/proc"
for d in dev dev/pts sys; do mount --bind "/$d" "$root/$d"; done

# --- a clean copy of the committed tree ---------------------------------------

rm -rf --one-file-system "$root/root/tree"
mkdir -p "$root/root/tree"
git archive --format=tar HEAD | tar -x -C "$root/root/tree"
echo "== HEAD $(git rev-parse --short HEAD) copied to /root/tree in the Debian 13 tree"
# shellcheck disable=SC2016 # expanded by the tree's shell
in_root sh -c '. /etc/os-release; echo "== $PRETTY_NAME"'

failures=0
step "CI=true make test" in_root env CI=true nice -n 10 make -C /root/tree test ||
  failures=$((failures + 1))
step "make package" in_root nice -n 10 make -C /root/tree package ||
  failures=$((failures + 1))
for target in "$@"; do
  step "make $target" in_root nice -n 10 make -C /root/tree "$target" || failures=$((failures + 1))
done
# shellcheck disable=SC2016 # dpkg's fields
in_root dpkg-query -W -f '== ${Package} ${Version}\n' g++ clang qt6-base-dev lintian appstream 2>/dev/null ||
  true

if [ "$failures" -ne 0 ]; then
  echo "$failures step(s) failed on Debian 13." >&2
  exit 1
fi
echo "make test, make package${*:+ and make $*} pass on Debian 13."
