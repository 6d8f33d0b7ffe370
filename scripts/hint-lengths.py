#!/usr/bin/env python3
"""How long the help is: reads the JSON lines of `quorvel-tool hint` or `explain` on standard
input and prints, over the puzzles with steps, the median, p90 and largest of each puzzle's
longest step text and of its whole text, and the longest step summary.

    build/quorvel-tool hint --jobs 2 - < ../shared/bench/hardest1106.txt | scripts/hint-lengths.py
"""
import json
import statistics
import sys

longest, totals, summaries = [], [], [0]
for line in sys.stdin:
    steps = json.loads(line).get("steps") or []
    if not steps:
        continue
    longest.append(max(len(step["text"]) for step in steps))
    totals.append(sum(len(step["text"]) for step in steps))
    summaries += [len(step.get("summary", "")) for step in steps]


def spread(values):
    values = sorted(values)
    return (f"median {statistics.median(values):.0f}, p90 {values[int(0.9 * len(values))]}, "
            f"max {values[-1]}")


if not longest:
    sys.exit("no puzzle with steps on standard input")
print(f"{len(longest)} puzzles; longest step: {spread(longest)}; whole text: {spread(totals)}; "
      f"longest summary {max(summaries)}")
