#!/bin/sh
# Runs a window test program of the build under wine on a virtual X display (xvfb-run),
# headless and quiet, in the wine prefix run-under-wine.sh uses (the throwaway one of
# scripts/test.sh windows). Before it the prefix is set up for such a display: where Chinese
# text comes from, and windows that wine manages itself (cmake/windows/prefix-setup.sh).
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/tolvane-wine-$(id -u)}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/prefix-setup.sh"
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
