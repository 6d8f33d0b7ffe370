#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build, starting from its seed corpus, and ends with a
# table: inputs run, wall and CPU seconds, inputs per second of each.
#   FUZZ_SECONDS=30   each target runs this long (the default, as `make fuzz` does)
#   FUZZ_RUNS=N       each target runs N inputs instead, however long it takes (`make fuzz-long`)
#   FUZZ_TIMEOUT=60   seconds one input may take before it counts as a hang (wall clock, so it is
#                     generous: on a loaded machine a process can wait seconds for the CPU)
# A target's own libFuzzer flags (such as a -max_len) are read from fuzz/<target>.options.
# Stops at the first target that finds a crash or a failed property (its input is kept in
# fuzz-crashes/).
set -euo pipefail
build=$1
shopt -s nullglob
if [ -n "${FUZZ_RUNS:-}" ]; then
    limit=(-runs="$FUZZ_RUNS")
    what="$FUZZ_RUNS inputs"
else
    limit=(-max_total_time="${FUZZ_SECONDS:-30}")
    what="${FUZZ_SECONDS:-30}s"
fi
mkdir -p fuzz-crashes
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
TIMEFORMAT='%R %U %S'
for target in "$build"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    options=()
    if [ -f "fuzz/${name#fuzz_}.options" ]; then
        read -r -d "" -a options < <(grep -v "^#" "fuzz/${name#fuzz_}.options") || true
    fi
    work=$(mktemp -d)
    log=$(mktemp)
    echo "Fuzzing $name for $what"
    status=0
    { time "$target" "${limit[@]}" "${options[@]}" -timeout="${FUZZ_TIMEOUT:-60}" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=fuzz-crashes/"$name"- "$work" "$corpus" >"$log" 2>&1; } 2>"$log.time" ||
        status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    read -r wall user system <"$log.time"
    rm -rf "$work" "$log.time"
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        rm -f "$log"
        echo "$name failed after ${runs:-?} inputs; the input is in fuzz-crashes/" >&2
        exit 1
    fi
    rm -f "$log"
    awk -v n="$name" -v r="$runs" -v w="$wall" -v u="$user" -v s="$system" 'BEGIN {
        c = u + s; printf "%-18s %10d %8.1f %9.0f %8.1f %11.0f\n", n, r, w, r / w, c, r / c }' \
        >>"$summary"
done
printf '%-18s %10s %8s %9s %8s %11s\n' target inputs wall_s inputs/s cpu_s inputs/cpu_s
cat "$summary"
echo "0 crashes"
