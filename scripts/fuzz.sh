#!/usr/bin/env bash
# Installs what is missing, builds the fuzz preset and runs every fuzz target for a bounded
# time, starting from its seed corpus. Any crash, leak or sanitizer report fails the run.
# Usage: scripts/fuzz.sh [seconds per target]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps "${TOLVANE_FUZZ_PACKAGES[@]}"

seconds="${1:-30}"
cmake --preset fuzz
# Only the fuzz targets: the rest of the tree is built and tested by the other presets.
cmake --build --preset fuzz -j "$(nproc)" \
    --target data_file_fuzz user_key_groups_fuzz keyboard_state_fuzz read_reply_fuzz \
    labels_file_fuzz

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

run_target() {
    local target="$1" seeds="$2"
    local work="build/fuzz/runs/$target"
    # New inputs go to a scratch corpus, so the seed folder in the repository stays as it is.
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== $target: ${seconds}s"
    "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" "$seeds" 2>"$work/log" || {
        tail -n 60 "$work/log" >&2
        echo "$target failed; the input that broke it is in $work/artifacts/" >&2
        return 1
    }
    grep -E '^stat::number_of_executed_runs|^Done' "$work/log" || true
}

run_target data_file_fuzz fuzz/corpus/data_file
run_target user_key_groups_fuzz fuzz/corpus/user_key_groups
run_target keyboard_state_fuzz fuzz/corpus/keyboard_state
run_target read_reply_fuzz fuzz/corpus/read_reply
run_target labels_file_fuzz fuzz/corpus/labels_file
echo "fuzz: all targets ran clean"
