#!/usr/bin/env python3
"""GNU parallel spreads `quorvel-tool rate -` over jobs and gives what one process gives.

    parallel_rate.py TOOL SOURCE_DIR

320 puzzles (the shipped 9 x 9 ones, each also with its digits renamed) are rated once by one
process and once by GNU parallel on this machine (`-S :`), 80 lines a job, two jobs at a time,
in input order; the two outputs must be the same bytes. GNU parallel runs with a home folder of
its own, so its notes never reach the user's.
"""
import os
import shlex
import subprocess
import sys
import tempfile


def puzzles(source):
    with open(os.path.join(source, "data", "type3.txt")) as shipped:
        lines = [line.split()[1] for line in shipped if line.strip()]
    renamed = str.maketrans("123456789", "912345678")
    return lines + [line.translate(renamed) for line in lines]


def main():
    tool, source = os.path.abspath(sys.argv[1]), sys.argv[2]
    text = "".join(line + "\n" for line in puzzles(source))
    one = subprocess.run([tool, "rate", "--jobs", "1", "-"], input=text, capture_output=True,
                         text=True, check=True).stdout
    with tempfile.TemporaryDirectory() as home:
        environment = dict(os.environ, HOME=home, PARALLEL_HOME=os.path.join(home, ".parallel"))
        spread = subprocess.run(
            ["parallel", "--will-cite", "--pipe", "-N", "80", "--keep-order", "-j", "2",
             "-S", ":", f"{shlex.quote(tool)} rate --jobs 1 -"],
            input=text, capture_output=True, text=True, env=environment)
    problems = []
    if spread.returncode != 0 or spread.stderr:
        problems.append(f"parallel: exit {spread.returncode}, stderr {spread.stderr!r}")
    if one.count("\n") != text.count("\n"):
        problems.append(f"one process rated {one.count(chr(10))} of {text.count(chr(10))} puzzles")
    if spread.stdout != one:
        ours, theirs = one.splitlines(), spread.stdout.splitlines()
        first = next((i for i, pair in enumerate(zip(ours, theirs)) if pair[0] != pair[1]),
                     min(len(ours), len(theirs)))
        problems.append(f"parallel gave {len(theirs)} lines for {len(ours)}; first difference "
                        f"at line {first + 1}")
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
