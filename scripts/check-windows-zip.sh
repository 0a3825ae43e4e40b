#!/usr/bin/env bash
# Makes the Windows ZIP of a built windows preset and checks it as a user would meet it:
#   - its file list against packaging/expected/windows-zip.txt;
#   - unpacked into a fresh folder, tolvane-cli.exe writes the example layout into a virtual
#     keyboard and verifies it, with nothing but the ZIP's own DLLs beside it;
#   - tolvane.exe from the ZIP starts on the virtual keyboard under a virtual X display, shows
#     its main window and ends when the window is closed; pellimore.exe likewise, with no
#     keyboard, beside the ZIP's libvaskor.dll, which it cannot start without;
#   - packaging/check/HostProgram.cpp builds against the ZIP's header and import library alone,
#     and runs beside libvaskor.dll.
# Runs the programs through cmake/windows/run-under-wine.sh (WINEPREFIX as set by the caller).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
wine="$PWD/cmake/windows/run-under-wine.sh"

fail() {
    echo "check-windows-zip: $*" >&2
    exit 1
}

rm -f "$build"/packages/*.zip
cmake --build "$build" --target package
zip="$(realpath "$build"/packages/tolvane-*-win64.zip)"
top="$(basename "$zip" .zip)"

if ! difference="$(diff packaging/expected/windows-zip.txt \
    <(cmake -E tar tf "$zip" | grep -v '/$' | sed "s#^$top/##" | sort))"; then
    fail "$zip differs from packaging/expected/windows-zip.txt (< expected, > found):
$difference"
fi

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
bin="$unpacked/$top/bin"

cp examples/till.dat "$unpacked/till.dat"
(cd "$unpacked" && "$wine" "$bin/tolvane-cli.exe" --virtual-keyboard --quiet \
    write till.dat --verify) || fail "tolvane-cli.exe from the ZIP could not write and verify"
# The prefix's desktop lives as long as its server, and was made without a display (by the
# console program just now) or on one that has gone (by a window test left running): a
# windowed program started on it could make no window. Ending the server ends both.
WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/tolvane-wine-$(id -u)}" wineserver -k 2>/dev/null || true

x86_64-w64-mingw32-g++-posix -std=c++17 -municode -static -Wall -Wextra -Werror \
    packaging/check/StartWindowsProgram.cpp -o "$unpacked/start-windows-program.exe" ||
    fail "the program starter does not build"
# A windowed program from the ZIP, started and closed by its window's title on a virtual display.
start_program() {
    (cd "$unpacked" && WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/tolvane-wine-$(id -u)}" \
        xvfb-run -a -s "-screen 0 1280x1024x24" \
        wine start-windows-program.exe "$@" | tr -d '\r')
}
started="$(start_program MZR-40 "$top/bin/tolvane.exe" --virtual-keyboard)" ||
    fail "tolvane.exe from the ZIP did not start and close: $started"
echo "check-windows-zip: tolvane.exe: $started"
started="$(start_program Pellimore "$top/bin/pellimore.exe")" ||
    fail "pellimore.exe from the ZIP did not start and close: $started"
echo "check-windows-zip: pellimore.exe: $started"

x86_64-w64-mingw32-g++-posix -std=c++17 -Wall -Wextra -Werror \
    -I"$unpacked/$top/include" packaging/check/HostProgram.cpp \
    -L"$unpacked/$top/lib" -lvaskor -o "$bin/host-program.exe" ||
    fail "a host program does not build against the ZIP's header and import library"
answer="$("$wine" "$bin/host-program.exe" | tr -d '\r')"
[ "$answer" = "keyboard attached: no" ] || fail "the host program said: $answer"
echo "check-windows-zip: $zip is complete and its programs run"
