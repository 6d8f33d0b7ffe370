#!/usr/bin/env python3
"""Batch work on four threads answers exactly as on one: the same lines in the same order.

    jobs_batch.py TOOL SOURCE_DIR [COUNT]

Runs check, rate, hint and explain over the first COUNT (default 200) puzzles of the 9 x 9 bench
file and a few 15 x 15 ones, and generate over a run of seeds, each with --jobs 1 and --jobs 4,
and compares the outputs. In the ThreadSanitizer build this is the run that shows the workers
share nothing unguarded: a data race there ends the tool with the sanitizer's exit status.
"""
import os
import subprocess
import sys


def run(tool, args, stdin=""):
    done = subprocess.run([tool] + args, input=stdin, capture_output=True, text=True)
    if done.returncode != 0 or done.stderr:
        sys.exit(f"{' '.join(args)}: status {done.returncode}\n{done.stderr[-4000:]}")
    return done.stdout


def main():
    tool, source = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    puzzles = os.path.join(source, "bench", "puzzles")
    with open(os.path.join(puzzles, "top1465.txt"), encoding="utf-8") as f:
        nine = f.read().split()[:count]
    with open(os.path.join(puzzles, "fifteen_unique135.txt"), encoding="utf-8") as f:
        fifteen = f.read().split()[:max(4, count // 20)]
    batch = "\n".join(nine + fifteen) + "\n"
    failures = 0
    jobs = [
        (["check"], batch), (["rate"], batch), (["hint"], batch), (["explain"], batch),
        (["generate", "--size", "9", "--level", "3", "--unique", "--seed", "11", "--count",
          str(max(8, count // 10))], ""),
        (["generate", "--size", "15", "--level", "2", "--seed", "5", "--count", "4"], ""),
    ]
    for args, stdin in jobs:
        one = run(tool, args + ["--jobs", "1"] + (["-"] if stdin else []), stdin)
        four = run(tool, args + ["--jobs", "4"] + (["-"] if stdin else []), stdin)
        expected = len(nine) + len(fifteen) if stdin else None
        lines = one.count("\n")
        if one != four or (expected is not None and lines != expected):
            failures += 1
            print(f"FAIL {' '.join(args)}: --jobs 4 differs from --jobs 1 "
                  f"({lines} lines, {four.count(chr(10))} on four threads)")
        else:
            print(f"ok   {' '.join(args)}: {lines} lines alike")
    print(f"{len(jobs) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
