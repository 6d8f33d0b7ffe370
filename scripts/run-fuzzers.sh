#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build for a bounded time, starting from its seed corpus.
set -euo pipefail
build=$1
seconds=${FUZZ_SECONDS:-30}
shopt -s nullglob
for target in "$build"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    work=$(mktemp -d)
    echo "Fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$work" "$corpus"
    rm -rf "$work"
done
