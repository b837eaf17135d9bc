#!/usr/bin/env bash
# Renders the program's icons from app/icons/mirt2.svg with ImageMagick: the
# 32, 64 and 128 px PNGs the window and the desktop's icon theme show, and the
# .ico Windows shows for the executable
# (16, 32 and 48 px for lists and title bars, 256 px for large Explorer views).
# The outputs are committed; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../app/icons"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One large rendering scaled down with a sharp filter keeps the small sizes
# crisper than rendering each size straight from the vectors. -strip leaves out
# the timestamps, so an unchanged SVG gives byte-identical files.
convert -background none -density 576 mirt2.svg -depth 8 "$work/large.png"
for size in 16 32 48 64 128 256; do
  convert "$work/large.png" -filter Lanczos -resize "${size}x${size}" -depth 8 -strip \
    "$work/$size.png"
done
for size in 32 64 128; do cp "$work/$size.png" "mirt2-$size.png"; done
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/256.png" mirt2.ico
