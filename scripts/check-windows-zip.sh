#!/usr/bin/env bash
# Makes the Windows ZIP of a built windows preset and checks it as a user would meet it:
#   - its file list against packaging/expected/windows-zip.txt;
#   - unpacked into a fresh folder, tolvane-cli.exe writes the example layout into a virtual
#     keyboard and verifies it, with nothing but the ZIP's own DLLs beside it;
#   - pellimore.exe starts beside the ZIP's libvaskor.dll, which it cannot start without, and
#     answers --help;
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

usage="$("$wine" "$bin/pellimore.exe" --help | tr -d '\r' | head -n 1)"
[ "$usage" = "Usage: pellimore [--virtual-keyboard[=STATE_FILE]]" ] ||
    fail "pellimore.exe from the ZIP did not start: $usage"

x86_64-w64-mingw32-g++-posix -std=c++17 -Wall -Wextra -Werror \
    -I"$unpacked/$top/include" packaging/check/HostProgram.cpp \
    -L"$unpacked/$top/lib" -lvaskor -o "$bin/host-program.exe" ||
    fail "a host program does not build against the ZIP's header and import library"
answer="$("$wine" "$bin/host-program.exe" | tr -d '\r')"
[ "$answer" = "keyboard attached: no" ] || fail "the host program said: $answer"
echo "check-windows-zip: $zip is complete and its programs run"
