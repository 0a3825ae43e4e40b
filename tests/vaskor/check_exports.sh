#!/usr/bin/env bash
# libvaskor's dynamic symbols against its version script and against the class host
# programs link with: every exported symbol matches a global pattern of the script and
# carries its version, every global pattern exports something, and what is exported is
# exactly CVX30Interface's members, no more and no fewer.
# Usage: check_exports.sh LIBRARY VERSION_SCRIPT
set -euo pipefail
library="$1"
script="$2"

fail() {
    echo "check_exports: $*" >&2
    exit 1
}

version="$(sed -n 's/^\([A-Za-z0-9_]*\)[[:space:]]*{.*/\1/p' "$script" | head -n 1)"
[ -n "$version" ] || fail "no version node in $script"
mapfile -t patterns < <(sed -n '/global:/,/local:/p' "$script" |
    grep -E '^[[:space:]]*[^[:space:]{}]+;$' | tr -d ' \t;')
[ "${#patterns[@]}" -gt 0 ] || fail "no global patterns in $script"

mapfile -t exported < <(nm -D --defined-only --demangle "$library" |
    awk '$2 != "A"' | cut -d ' ' -f 3- | sort -u)
[ "${#exported[@]}" -gt 0 ] || fail "$library exports nothing"

names=()
declare -A used=()
for symbol in "${exported[@]}"; do
    name="${symbol%@@*}"
    [ "$symbol" = "$name@@$version" ] || fail "$symbol does not carry the version $version"
    matched=""
    for pattern in "${patterns[@]}"; do
        # shellcheck disable=SC2053  # the pattern is a glob on purpose
        if [[ "$name" == $pattern ]]; then
            matched="$pattern"
            used[$pattern]=1
        fi
    done
    [ -n "$matched" ] || fail "$name is exported but no pattern of $script lets it out"
    names+=("$name")
done
for pattern in "${patterns[@]}"; do
    [ -n "${used[$pattern]:-}" ] || fail "the pattern $pattern of $script exports nothing"
done

# The members host programs link with; on Linux Open takes a message sink.
expected="$(sed 's/(WINDOW)/(CKbMessageSink*)/' "$(dirname "$0")/exported_members.txt")"
if ! difference="$(diff <(sort <<<"$expected") <(printf '%s\n' "${names[@]}" | sort -u))"; then
    fail "the exports differ from CVX30Interface's members (< missing, > extra):
$difference"
fi
echo "check_exports: ${#names[@]} members of CVX30Interface, all under $version"
