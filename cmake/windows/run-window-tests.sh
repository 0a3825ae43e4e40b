#!/bin/sh
# Runs a window test program of the build under wine on a virtual X display (xvfb-run),
# headless and quiet, in the wine prefix run-under-wine.sh uses (the throwaway one of
# scripts/test.sh windows). Before it the prefix learns where Chinese text comes from
# (cmake/windows/prefix-fonts.sh).
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/tolvane-wine-$(id -u)}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/prefix-fonts.sh"
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
