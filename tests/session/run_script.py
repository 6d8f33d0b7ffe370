#!/usr/bin/env python3
"""Runs one session script through `quorvel-tool session` and checks what it printed.

    run_script.py TOOL SCRIPT

Expectations live in the script itself, as comment lines the tool skips:
  #> {"grid":9,"focus":1}      the next `dump` line holds these keys with these values (keys
                               left out are not checked; "enabled" lists only the menu items
                               to check; every other value must match exactly; a key that the
                               dump leaves out while it is empty, such as "conflicts", is
                               expected as null)
  #! line 3: no dialog to answer
                               the session stops with this error (exit status 2); without it
                               the script must end with status 0 and nothing on stderr
There must be exactly one `#>` line per dump.
"""
import json
import subprocess
import sys

FIXED_KEYS = ["grid", "cells", "locked", "focus", "message", "caption", "title", "gauge",
              "complete", "panel", "tips", "notes", "puzzle", "dialog", "enabled", "hint", "marks",
              "chain", "elapsed", "zoom", "theme", "statistics", "optional"]
# Printed only while they show something, in this order after the others.
OPTIONAL_KEYS = ["conflicts", "highlight", "filter", "colouring"]


def main():
    tool, script = sys.argv[1], sys.argv[2]
    dumps, error = [], None
    with open(script, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#> "):
                dumps.append(json.loads(line[3:]))
            elif line.startswith("#! "):
                error = line[3:].rstrip("\n")
    run = subprocess.run([tool, "session", script], capture_output=True, text=True, timeout=120)
    problems = []
    if error is None and (run.returncode != 0 or run.stderr):
        problems.append(f"exit {run.returncode}, stderr: {run.stderr!r}")
    if error is not None and (run.returncode != 2 or run.stderr != error + "\n"):
        problems.append(f"expected exit 2 with {error!r}, got exit {run.returncode} "
                        f"with {run.stderr!r}")
    printed = run.stdout.splitlines()
    if len(printed) != len(dumps):
        problems.append(f"{len(printed)} dump lines for {len(dumps)} expected")
    for number, (line, expected) in enumerate(zip(printed, dumps), 1):
        actual = json.loads(line)
        keys = list(actual)
        extra = keys[len(FIXED_KEYS):]
        if keys[:len(FIXED_KEYS)] != FIXED_KEYS or extra != [k for k in OPTIONAL_KEYS if k in extra]:
            problems.append(f"dump {number}: keys {keys}")
        for key, value in expected.items():
            if key == "enabled":
                got = {item: actual[key].get(item) for item in value}
            else:
                got = actual.get(key)
            if got != value:
                problems.append(f"dump {number}: {key} is {json.dumps(got)}, "
                                f"expected {json.dumps(value)}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
