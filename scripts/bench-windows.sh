#!/usr/bin/env bash
# The Windows window's benchmark: builds the windows preset's win32_window_bench and runs it
# under wine on a virtual display, in a throwaway wine prefix. Prints the figures against
# their targets (start-up at most 1.5 times a bare dialog's; no stall above 16 ms in a write).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target win32_window_bench -j "$(nproc)"
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/tolvane-wine.XXXXXX")"
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
cmake/windows/run-window-tests.sh build/windows/bin/win32_window_bench.exe
