#!/usr/bin/env python3
"""Runs the quorvel-tool cases of one file and checks what each printed, byte for byte.

    run_cases.py TOOL CASES

A cases file holds one command after another; blank lines and lines starting with '#' between
them are comments:
  $ solve --mode mild -    the arguments (split as a shell would, without expansion); starts a case
  < 53..7....              a line of standard input ("\\r", "\\t" and "\\\\" are escapes here)
  > {"size":9,...}         a line the command prints on standard output
  >^ {"size":9,"solved"    a line of standard output that starts with this text
  ! quorvel-tool solve: .. a line on standard error; without any, standard error must be empty
  = 2                      the exit status (0 when left out)
A case runs in a fresh empty folder, so files it names relative to it are its own.
"""
import os
import shlex
import subprocess
import sys
import tempfile


def read_cases(path):
    cases = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if line.startswith("$ "):
                cases.append({"line": number, "args": shlex.split(line[2:]), "stdin": [],
                              "out": [], "err": [], "status": 0})
            elif not line or line.startswith("#"):
                continue
            elif not cases:
                sys.exit(f"{path}:{number}: a case starts with '$ '")
            else:
                tag, _, text = line.partition(" ")
                case = cases[-1]
                if tag == "<":
                    case["stdin"].append(text.encode().decode("unicode_escape"))
                elif tag in (">", ">^"):
                    case["out"].append((tag == ">^", text))
                elif tag == "!":
                    case["err"].append((False, text))
                elif tag == "=":
                    case["status"] = int(text)
                else:
                    sys.exit(f"{path}:{number}: unknown line {line!r}")
    return cases


def mismatch(expected, printed):
    """What differs between the expected lines and the printed text, or None."""
    lines = printed.split("\n")
    if lines[-1] == "":
        lines.pop()
    elif printed:
        return "the last line has no newline"
    if len(lines) != len(expected):
        return f"{len(lines)} lines for {len(expected)} expected: {printed!r}"
    for (prefix, text), line in zip(expected, lines):
        if line != text and not (prefix and line.startswith(text)):
            return f"expected {text!r}{' at the start' if prefix else ''}, got {line!r}"
    return None


def main():
    tool, path = os.path.abspath(sys.argv[1]), sys.argv[2]
    failures = 0
    for case in read_cases(path):
        stdin = "".join(line + "\n" for line in case["stdin"])
        with tempfile.TemporaryDirectory() as folder:
            run = subprocess.run([tool] + case["args"], input=stdin.encode(), cwd=folder,
                                 capture_output=True, timeout=300)
        problems = []
        if run.returncode != case["status"]:
            problems.append(f"exit status {run.returncode}, expected {case['status']}")
        for stream, printed in (("out", run.stdout), ("err", run.stderr)):
            problem = mismatch(case[stream], printed.decode(errors="replace"))
            if problem:
                problems.append(f"std{stream}: {problem}")
        for problem in problems:
            failures += 1
            print(f"{path}:{case['line']}: {shlex.join(case['args'])}: {problem}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
