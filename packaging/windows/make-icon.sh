#!/usr/bin/env bash
# Renders the application icon from its SVG at every size Windows asks for (16 to 256 px) and
# packs the images into one .ico file.
# Usage: make-icon.sh <icon.svg> <output.ico>
set -euo pipefail
svg=$1
ico=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pngs=()
for size in 16 20 24 32 40 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$svg" -o "$work/$size.png"
  pngs+=("$work/$size.png")
done
# ImageMagick stores each picture as it is; the 256 px one as PNG, as Windows expects.
convert "${pngs[@]}" "$ico"
