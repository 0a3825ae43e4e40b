#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs its main job: the command-line
# programmer writes the example till layout into the virtual keyboard and reads it back to
# verify it. With a display, the desktop programmer then opens on that virtual keyboard with
# the layout loaded; without one, the layout is printed and the windows are rendered to
# build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps

cmake --preset default
cmake --build --preset default -j "$(nproc)"

cli=build/default/cli/tolvane-cli
state=build/demo/keyboard.state
mkdir -p build/demo
echo
echo "\$ tolvane-cli --virtual-keyboard=$state write examples/till.dat --verify"
"$cli" --virtual-keyboard="$state" write examples/till.dat --verify

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo
    echo "\$ tolvane --virtual-keyboard=$state examples/till.dat"
    if build/default/gui/qt/tolvane --virtual-keyboard="$state" examples/till.dat; then
        exit 0
    fi
    echo "The window could not be opened on this display; the layout follows instead."
fi

echo
echo "\$ tolvane-cli show examples/till.dat"
"$cli" show examples/till.dat
echo
echo "The windows, rendered without a display:"
rm -rf build/screenshots
QT_QPA_PLATFORM=offscreen build/default/tests/gui_screenshots build/screenshots
echo "The user manual: build/default/gui/qt/MZR-40 User Manual.pdf"
