#!/usr/bin/env bash
# Renders every window of the desktop programmer and the card-reader tool to PNG files under
# build/screenshots/, on Qt's offscreen platform with the CJK font installed, so they can be
# looked at without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps

cmake --preset default
cmake --build --preset default -j "$(nproc)" --target gui_screenshots
rm -rf build/screenshots
build/default/tests/gui_screenshots build/screenshots
# The first legend sheet and the overview of the example layout (its two layers, then the
# overview), as pictures.
pdftoppm -png -r 100 -f 1 -l 1 build/screenshots/legends.pdf build/screenshots/legend-layer1
pdftoppm -png -r 50 -f 3 -l 3 build/screenshots/legends.pdf build/screenshots/legend-overview
