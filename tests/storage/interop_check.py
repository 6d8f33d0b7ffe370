"""Checks that quorvel-tool and the independent implementation read each other's files.

usage: interop_check.py PATH-TO-QUORVEL-TOOL
"""

import json
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import independent_scramble as ind  # noqa: E402

TOOL = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def tool(*args):
    return subprocess.run([TOOL, *args], capture_output=True, check=False)


def plain_text(length):
    line = bytes(range(32, 127))
    text = (line + b"\r\n") * (length // len(line) + 1)
    return text[:length]


def sample_grid(seed):
    return [((r * 3 + r // 3 + c + seed) % 9) + 1 for r in range(9) for c in range(9)]


def cell_list(values):
    return "".join("," + (str(v) if v else "") for v in values)


with tempfile.TemporaryDirectory() as folder:
    # Files written here, read by the tool.
    for length in (0, 1, 127, 128, 129, 5000):
        plain = plain_text(length)
        path = os.path.join(folder, f"plain{length}.pxz")
        ind.write_data_file(path, plain)
        result = tool("unscramble", path)
        check(result.returncode == 0 and result.stdout == plain, f"tool reads length {length}")

    # Files written by the tool, read here; every byte value included.
    source = os.path.join(folder, "source.bin")
    payload = bytes(range(256)) * 3 + b"\r\nend"
    with open(source, "wb") as handle:
        handle.write(payload)
    scrambled = tool("scramble", source)
    made = os.path.join(folder, "made.pxz")
    with open(made, "wb") as handle:
        handle.write(scrambled.stdout)
    check(scrambled.returncode == 0 and ind.read_data_file(made) == payload,
          "independent reader reads the tool's file")

    # A database written here, dumped by the tool.
    grid = sample_grid(2)
    givens = [v if i % 5 == 0 else 0 for i, v in enumerate(grid)]
    cells = cell_list(givens) + "#" + cell_list(grid)
    database = "\r\n".join([
        "Header@@@@@@",
        f"[]12[]3[]2[]{cells}[]9[]",
        f"[]32000[]3[]4[]{cells}[]8[]0.25",
        "[]14[]3[]1[],1,2#,3",  # unreadable: skipped
        f"[]13[]3[]1[]{cells}",
    ]).encode("ascii")
    db_path = os.path.join(folder, "type3.pxz")
    ind.write_data_file(db_path, database)
    dumped = tool("db", "dump", db_path)
    records = [json.loads(line) for line in dumped.stdout.decode().splitlines()]
    line_of = lambda values: "".join(str(v) if v else "." for v in values)  # noqa: E731
    expected = [
        {"number": 12, "size": 3, "level": 2, "kind": 9, "elapsed": ""},
        {"number": 32000, "size": 3, "level": 4, "kind": 8, "elapsed": "0.25"},
        {"number": 13, "size": 3, "level": 1, "kind": 9, "elapsed": ""},
    ]
    check(dumped.returncode == 0 and len(records) == 3, "tool dumps three records")
    for record, want in zip(records, expected):
        want.update({"givens": line_of(givens), "values": line_of(grid)})
        check(record == want, f"dumped record {want['number']}: {record}")
    check(list(records[0].keys()) == ["number", "size", "level", "kind", "givens", "values",
                                      "elapsed"], "dump key order")

    # Bare LF line ends become CR LF with --crlf.
    with open(source, "wb") as handle:
        handle.write(b"one\ntwo\r\n")
    with open(made, "wb") as handle:
        handle.write(tool("scramble", "--crlf", source).stdout)
    check(ind.read_data_file(made) == b"one\r\ntwo\r\n", "scramble --crlf")

    # A database built by the tool, read here.
    src = os.path.join(folder, "source.txt")
    with open(src, "w") as handle:
        handle.write(f"3 {line_of(givens)} {line_of(grid)}\n")
    built = os.path.join(folder, "built.pxz")
    check(tool("db", "build", src, built).returncode == 0, "tool builds a database")
    lines = ind.read_data_file(built).decode("ascii").split("\r\n")
    check(len(lines) == 2 and lines[1] == f"[]1[]3[]3[]{cells}[]1[]",
          f"independent reader reads the built database: {lines[1:]}")

for failure in failures:
    print("FAILED:", failure)
print(f"interop: {'0 failed' if not failures else str(len(failures)) + ' failed'}")
sys.exit(1 if failures else 0)
