#!/usr/bin/env python3
"""Writes 15x15 benchmark puzzles, one line each.

A full grid is shuffled (values relabelled, rows moved within their band, bands moved, columns
moved within their stack, stacks moved); then HOLES cells chosen at random are emptied. The
puzzles may have more than one solution. Usage: make_fifteen.py COUNT HOLES SEED > puzzles.txt
"""
import random
import sys

N, BW, BH = 15, 3, 5


def shuffled_full(rng):
    values = list(range(1, N + 1))
    rng.shuffle(values)
    base = [[(c + BW * (r % BH) + r // BH) % N for c in range(N)] for r in range(N)]
    bands = list(range(N // BH))
    rng.shuffle(bands)
    rows = []
    for b in bands:
        inner = list(range(BH))
        rng.shuffle(inner)
        rows += [b * BH + i for i in inner]
    stacks = list(range(N // BW))
    rng.shuffle(stacks)
    cols = []
    for s in stacks:
        inner = list(range(BW))
        rng.shuffle(inner)
        cols += [s * BW + i for i in inner]
    return [values[base[r][c]] for r in rows for c in cols]


def main():
    count, holes, seed = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(seed)
    for _ in range(count):
        grid = shuffled_full(rng)
        for i in rng.sample(range(N * N), holes):
            grid[i] = 0
        print("".join(".123456789ABCDEF"[v] for v in grid), flush=True)


main()
