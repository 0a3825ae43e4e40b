#!/usr/bin/env bash
# Installs what is missing, builds the suite with the default preset and makes its Debian
# packages in build/default/packages/: tolvane, pellimore (once it is built), libvaskor0 and
# libvaskor-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps "${TOLVANE_PACKAGING_PACKAGES[@]}"

cmake --preset default
# Packages of a component that is no longer built must not linger beside the new ones.
rm -f build/default/packages/*.deb
cmake --build --preset default -j "$(nproc)" --target package
ls -1 build/default/packages/*.deb
