#!/usr/bin/env bash
# Renders the application icon, resources/app-icon.svg, to the PNG sizes that the windows, the
# desktop's icon theme and the Windows icon use. Run it after changing the SVG and commit the
# results; the packaging test checks that they still match.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    --output "resources/icons/app-icon-$size.png" resources/app-icon.svg
done
