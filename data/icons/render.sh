#!/usr/bin/env bash
# Redraws the committed PNG icons from the two SVG drawings. Run it after changing either
# drawing and commit the PNGs with it; the build itself only copies them, so it needs no
# SVG renderer. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32; do
  rsvg-convert --width "$size" --height "$size" tallyworth-small.svg --output "png/tallyworth-$size.png"
done
for size in 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" tallyworth.svg --output "png/tallyworth-$size.png"
done
