#!/bin/sh
# Runs a Windows program of the build under wine: headless, quiet, and in a wine prefix of its
# own (WINEPREFIX when set, as scripts/test.sh sets a throwaway one; else one in /tmp per user),
# so that it never touches the user's own wine set-up. Mono and Gecko are not offered: the
# programs need neither.
set -eu
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/tolvane-wine-$(id -u)}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
unset DISPLAY WAYLAND_DISPLAY
exec wine "$@"
