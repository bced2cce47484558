#!/usr/bin/env bash
# Builds the release preset and packs it into a Debian package in build/release,
# then checks the package as Debian would: lintian (pedantic), the AppStream
# metadata and the desktop entry. Any error or warning fails the script.
# dpkg-shlibdeps (dpkg-dev) writes the Depends line; cpack finds the binaries
# to give it with `file`.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --extra dpkg-dev file lintian appstream desktop-file-utils
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

build=build/release
rm -f "$build"/quorvexer_*.deb
(cd "$build" && cpack -G DEB)

deb=$(ls "$build"/quorvexer_*.deb)
echo
dpkg-deb --info "$deb"
echo
echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"

scripts/check-deb-metadata.sh "$deb"
