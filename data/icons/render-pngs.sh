#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG sizes of the icon from glimmerquake.svg; run after changing the SVG and commit
# the results, so building the game needs no SVG renderer (rsvg-convert is in librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" glimmerquake.svg -o "${size}x${size}/glimmerquake.png"
done
