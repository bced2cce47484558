#!/usr/bin/env bash
# Renders packaging/quorvexer.svg into the PNG sizes desktops look for, up to
# twice the largest, which a desktop scaled by two looks for, and writes them to
# packaging/icons/. Run it after changing the SVG and commit the
# PNGs, so building the package needs no image tools.
set -euo pipefail
cd "$(dirname "$0")/.."

# ImageMagick reads SVG only with its extra coders.
scripts/install-deps.sh --extra imagemagick libmagickcore-6.q16-6-extra
svg=packaging/quorvexer.svg
out=packaging/icons
mkdir -p "$out"
for size in 16 24 32 48 64 96 128 256 512; do
  # Draw large, then shrink: small sizes come out smooth instead of jagged.
  # No time stamps in the file, so an unchanged SVG gives unchanged bytes.
  convert -background none -density 768 "$svg" -resize "${size}x${size}" \
    -strip -define png:exclude-chunks=date,time "$out/quorvexer-$size.png"
done
ls -l "$out"
