#!/usr/bin/env python3
"""Booklets written by quorvel-tool and read back as a person's PDF reader sees them.

    booklet_pdf.py TOOL SOURCE_DIR

For a database, a generated and a puzzle-file booklet: the page count pdfinfo reads is the one
the tool printed, every puzzle's label is in the text pdftotext extracts (with its level on the
puzzle pages, alone under its solution), the sheet has the paper's size, and pdfimages lists no
raster image.
"""
import json
import os
import re
import subprocess
import sys
import tempfile


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def check_booklet(tool, folder, args, pages, numbers, labels, page_size="595 x 842"):
    """`labels` are exact texts, or patterns when compiled."""
    out = os.path.join(folder, "booklet.pdf")
    printed = json.loads(run(tool, "booklet", *args, "--out", out))
    problems = []
    if printed["pages"] != pages or printed["numbers"] != numbers:
        problems.append(f"printed {printed}, expected {pages} pages, numbers {numbers}")
    info = run("pdfinfo", out)
    read = dict(re.findall(r"^(Pages|Page size): +(.*?)(?: pts.*)?$", info, re.M))
    if read != {"Pages": str(pages), "Page size": page_size}:
        problems.append(f"pdfinfo read {read}")
    text = run("pdftotext", "-layout", out, "-")
    for label in labels:
        pattern = label.pattern if isinstance(label, re.Pattern) else re.escape(label)
        if not re.search(rf"(^|\s){pattern}(\s|$)", text, re.M):
            problems.append(f"no {label!r} in the text")
    images = run("pdfimages", "-list", out).strip().split("\n")
    if len(images) != 2:
        problems.append(f"raster images: {images[2:]}")
    return [f"booklet {' '.join(args)}: {problem}" for problem in problems]


def main():
    tool, source = sys.argv[1], sys.argv[2]
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        database = os.path.join(folder, "type3.pxz")
        run(tool, "db", "build", os.path.join(source, "data", "type3.txt"), database)
        # Medium puzzles 3 to 9: two puzzle pages of four, one page of solutions.
        problems += check_booklet(
            tool, folder,
            ["--size", "9", "--level", "2", "--count", "7", "--start", "3", "--per-page", "4",
             "--from-db", database],
            3, list(range(3, 10)), [f"No. {n} - Medium" for n in range(3, 10)] +
            ["Page 1 of 3", "Page 3 of 3"])
        problems += check_booklet(
            tool, folder,
            ["--size", "15", "--level", "1", "--count", "3", "--per-page", "2", "--seed", "4",
             "--paper", "letter"],
            3, [1, 2, 3], ["No. 1 - Easy", "No. 3 - Easy", "No. 1", "No. 3"], "612 x 792")
        # Of the file's puzzles, the second has two solutions and the third is a 15 x 15 one.
        puzzles = os.path.join(folder, "puzzles.txt")
        with open(os.path.join(source, "data", "type3.txt")) as shipped:
            first = shipped.readline().split()[1]
        with open(puzzles, "w") as file:
            file.write(f"{first}\n{'.' * 80}1\n{'.' * 225}\n{first}\n")
        problems += check_booklet(
            tool, folder,
            ["--size", "9", "--level", "all", "--count", "5", "--per-page", "1", "--from",
             puzzles, "--no-solutions"],
            2, [1, 4], ["No. 1 - Easy", "No. 4 - Easy"])
        # Chosen by a band of ratings: the title names it and each label gives the rating.
        problems += check_booklet(
            tool, folder,
            ["--size", "9", "--rating", "3.0-4.5", "--count", "2", "--seed", "5",
             "--no-solutions", "--generate"],
            1, [1, 2], ["Quorvel 9 x 9 - Rated 3.0-4.5"] +
            [re.compile(rf"No\. {n} - \w+ \((3\.\d|4\.[0-5])\)") for n in (1, 2)])
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
