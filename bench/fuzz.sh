#!/usr/bin/env bash
# Runs every libFuzzer target (tests/fuzz, built by the fuzz preset) for
# FUZZ_RUNS inputs (default 10 million) starting from its seeds, and prints
# for each: inputs run, seconds, coverage (edges and features) and the size of
# the corpus it grew. A finding stops the script with the target's report.
# Not part of the tests: ctest runs the same targets for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${FUZZ_RUNS:-10000000}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 >/dev/null

work="$root/build/fuzz-bench"
printf '%-18s %10s %8s %6s %6s %8s\n' target runs seconds edges feats corpus
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
    target=$(basename "$source" .cpp)
    mkdir -p "$work/$target"
    start=$(date +%s.%N)
    "$root/build/fuzz/bin/$target" -runs="$runs" -print_final_stats=1 -timeout=10 \
        "$work/$target" "$root/tests/fuzz/corpus/$target" >"$work/$target.log" 2>&1 ||
        { tail -40 "$work/$target.log"; exit 1; }
    seconds=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { print e - s }')
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$target.log" | tail -1)
    printf '%-18s %10s %8.0f %6s %6s %8s\n' "$target" \
        "$(awk '/stat::number_of_executed_units/ {print $2}' "$work/$target.log")" "$seconds" \
        "$(sed -E 's/.*cov: ([0-9]+).*/\1/' <<<"$done_line")" \
        "$(sed -E 's/.*ft: ([0-9]+).*/\1/' <<<"$done_line")" \
        "$(sed -E 's/.*corp: ([0-9]+\/[0-9a-zA-Z]+).*/\1/' <<<"$done_line")"
done
