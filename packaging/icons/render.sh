#!/bin/sh
# Renders the program's icon at the sizes the desktop looks for. The PNGs are
# kept in the repository, so a build needs no SVG renderer; run this (it needs
# rsvg-convert from librsvg2-bin) after changing quelvox.svg.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" quelvox.svg -o "quelvox-$size.png"
done
