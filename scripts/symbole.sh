#!/usr/bin/env bash
# Renders the program icon packaging/symbol/io.github.nervalo.Nervalo.svg to the PNG sizes that
# are installed into the hicolor icon theme (packaging/symbol/<N>.png). Run it after changing the
# SVG and commit the PNGs; the build itself needs no SVG renderer. Needs rsvg-convert
# (librsvg2-bin).
set -euo pipefail
ordner="$(cd "$(dirname "$0")/../packaging/symbol" && pwd)"
for n in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$n" -h "$n" "$ordner/io.github.nervalo.Nervalo.svg" -o "$ordner/$n.png"
done
ls "$ordner"
