#!/usr/bin/env bash
# libvaskor.dll's export table against the class host programs link with: what the DLL
# exports is exactly CVX30Interface's members, no more and no fewer.
# Usage: check_exports_windows.sh LIBRARY OBJDUMP
set -euo pipefail
library="$1"
objdump="$2"

fail() {
    echo "check_exports_windows: $*" >&2
    exit 1
}

mapfile -t names < <("$objdump" -p "$library" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | c++filt | sort -u)
[ "${#names[@]}" -gt 0 ] || fail "$library exports nothing"

# The members host programs link with; on Windows Open takes a window.
expected="$(sed 's/(WINDOW)/(HWND__*)/' "$(dirname "$0")/exported_members.txt")"
if ! difference="$(diff <(sort <<<"$expected") <(printf '%s\n' "${names[@]}"))"; then
    fail "the exports differ from CVX30Interface's members (< missing, > extra):
$difference"
fi
echo "check_exports_windows: ${#names[@]} members of CVX30Interface and nothing else"
