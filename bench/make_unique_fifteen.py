#!/usr/bin/env python3
"""Writes 15x15 puzzles with exactly one solution, one line each.

A full grid is drawn at random (a search that tries values in random order); then its cells are
emptied one by one in a random order, each kept empty only while the puzzle still has exactly
one solution, until HOLES cells are empty or no further cell can go. Usage:
make_unique_fifteen.py COUNT HOLES SEED > puzzles.txt
"""
import random
import sys

N, BW, BH = 15, 3, 5
ALL = (1 << N) - 1
UNITS = [[r * N + c for c in range(N)] for r in range(N)]
UNITS += [[r * N + c for r in range(N)] for c in range(N)]
UNITS += [[(br * BH + r) * N + bc * BW + c for r in range(BH) for c in range(BW)]
          for br in range(N // BH) for bc in range(N // BW)]
PEERS = [sorted({p for u in UNITS if i in u for p in u} - {i}) for i in range(N * N)]


UNITS_OF = [[u for u, cells in enumerate(UNITS) if i in cells] for i in range(N * N)]


def propagate(grid):
    """Fills naked and hidden singles into grid (a list); returns the candidate masks of the
    cells left empty, or None on a contradiction."""
    while True:
        cands = {}
        for i, v in enumerate(grid):
            if v:
                continue
            m = ALL
            for p in PEERS[i]:
                if grid[p]:
                    m &= ~(1 << (grid[p] - 1))
            if not m:
                return None
            cands[i] = m
        placed = False
        for i, m in cands.items():
            if m & (m - 1) == 0:
                grid[i] = m.bit_length()
                placed = True
        for cells in UNITS:
            once = twice = have = 0
            for i in cells:
                if grid[i]:
                    have |= 1 << (grid[i] - 1)
                elif i in cands:
                    twice |= once & cands[i]
                    once |= cands[i]
            if (have | once) != ALL:
                return None
            single = once & ~twice & ~have
            for i in cells:
                if single and not grid[i] and cands[i] & single:
                    grid[i] = (cands[i] & single & -(cands[i] & single)).bit_length()
                    placed = True
        if not placed:
            return cands


def count(grid, limit, rng=None, found=None):
    """Solutions of grid (a list, left unchanged) up to limit."""
    work = list(grid)
    cands = propagate(work)
    if cands is None:
        return 0
    if not cands:
        if any(len({work[i] for i in cells}) != N for cells in UNITS):
            return 0
        if found is not None:
            found.append(work)
        return 1
    cell = min(cands, key=lambda i: bin(cands[i]).count("1"))
    values = [v + 1 for v in range(N) if cands[cell] >> v & 1]
    if rng:
        rng.shuffle(values)
    total = 0
    for v in values:
        work[cell] = v
        total += count(work, limit - total, rng, found)
        if total >= limit:
            break
    return total


def main():
    wanted, holes, seed = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(seed)
    for _ in range(wanted):
        full = []
        count([0] * (N * N), 1, rng, full)
        grid = full[0]
        order = list(range(N * N))
        rng.shuffle(order)
        empty = 0
        for i in order:
            if empty == holes:
                break
            keep = grid[i]
            grid[i] = 0
            if count(grid, 2) == 1:
                empty += 1
            else:
                grid[i] = keep
        print("".join(".123456789ABCDEF"[v] for v in grid), flush=True)


main()
