#!/usr/bin/env bash
# Renders the windows (scripts/screenshots.sh) and copies the ones the README shows into
# docs/screenshots/, where they are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/screenshots.sh >/dev/null

shown=(panel-en-layer1-hover.png keypad-button-en.png panel-zh-layer3.png pellimore.png
       differences-en.png)
mkdir -p docs/screenshots
rm -f docs/screenshots/*.png
for file in "${shown[@]}"; do
    cp "build/screenshots/$file" docs/screenshots/
done
ls -1 docs/screenshots/
