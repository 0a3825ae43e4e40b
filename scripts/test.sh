#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
# Usage: scripts/test.sh [preset]   (default, asan, tsan or windows; default: default)
#
# windows cross-builds with mingw-w64, runs the suites under wine in a throwaway wine prefix,
# headless, then makes the ZIP and checks it (scripts/check-windows-zip.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

preset="${1:-default}"
if [ "$preset" = windows ]; then
    tolvane_install_deps "${TOLVANE_WINDOWS_PACKAGES[@]}"
    WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/tolvane-wine.XXXXXX")"
    export WINEPREFIX
    # The prefix's wine server goes with the prefix.
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
    # Set up once here, so that the first test program run by the build does not pay for it.
    cmake/windows/run-under-wine.sh wineboot --init
else
    tolvane_install_deps
fi

cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset"

if [ "$preset" = windows ]; then
    scripts/check-windows-zip.sh
fi
