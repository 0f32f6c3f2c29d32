#!/usr/bin/env bash
# Renders the program's icon (packaging/icons/tallowby.svg) as the PNG sizes
# of the hicolor icon theme, packaging/icons/tallowby-N.png. Run it after a
# change to the SVG and commit the PNGs (the build does not render them).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || {
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -q --no-install-recommends librsvg2-bin
}
for n in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" packaging/icons/tallowby.svg -o "packaging/icons/tallowby-$n.png"
done
ls -l packaging/icons
