#!/usr/bin/env python3
"""Times `quorvel-tool generate --needs` for each technique: one process a puzzle (seeds 1..N),
one job each, and reports the median processor time (user + system) a puzzle and how many were
found within --grids. Processor time, not the clock, so other work on the machine does not count.

    scripts/practice-speed.py [--tool build/quorvel-tool] [--size 9|15] [--count 20]
                              [--grids 100] [--give-up 3] [TECHNIQUE ...]

Without names, every technique `quorvel-tool techniques` lists. After --give-up misses a technique
stops early; its median then counts the misses as their time."""

import argparse
import json
import os
import resource
import statistics
import subprocess
import sys


def cpu_seconds(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    done = subprocess.run(command, capture_output=True, text=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    spent = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return spent, done


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", default="build/quorvel-tool")
    parser.add_argument("--size", default="9")
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--grids", default="100")
    parser.add_argument("--give-up", type=int, default=3)
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()
    names = args.names or [json.loads(line)["name"] for line in subprocess.run(
        [args.tool, "techniques"], capture_output=True, text=True, check=True).stdout.splitlines()]
    print("| technique | found | median s | slowest s |")
    print("|---|---|---|---|")
    for name in names:
        times, found, missed = [], 0, 0
        for seed in range(1, args.count + 1):
            spent, done = cpu_seconds([args.tool, "generate", "--needs", name, "--size", args.size,
                                       "--seed", str(seed), "--grids", args.grids, "--jobs", "1"])
            times.append(spent)
            if done.returncode == 0:
                found += 1
            else:
                missed += 1
                if missed >= args.give_up:
                    break
        print(f"| {name} | {found} of {len(times)} | {statistics.median(times):.2f} | "
              f"{max(times):.2f} |", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
