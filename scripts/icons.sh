#!/usr/bin/env bash
# Renders the program's icon, desktop/standwise.svg, to the PNG sizes that the desktop menu and the
# windows use (desktop/icons/standwise-N.png). Run it after changing the SVG and commit the PNGs:
# the build and the program need no SVG support.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh librsvg2-bin
mkdir -p desktop/icons
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" desktop/standwise.svg -o "desktop/icons/standwise-$size.png"
done
