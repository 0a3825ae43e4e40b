#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs its main job: the command-line
# programmer writes the example till layout into the virtual keyboard, reads it back to
# verify it, and shows the layout.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps

cmake --preset default
cmake --build --preset default -j "$(nproc)"

cli=build/default/cli/tolvane-cli
mkdir -p build/demo
echo
echo "\$ tolvane-cli --virtual-keyboard=build/demo/keyboard.state write examples/till.dat --verify"
"$cli" --virtual-keyboard=build/demo/keyboard.state write examples/till.dat --verify
echo
echo "\$ tolvane-cli show examples/till.dat"
"$cli" show examples/till.dat
