#!/usr/bin/env python3
"""Booklets written by quorvel-tool and read back as a person's PDF reader sees them.

    booklet_pdf.py TOOL SOURCE_DIR

For a database, a generated and a puzzle-file booklet: the page count pdfinfo reads is the one
the tool printed, every puzzle's label is in the text pdftotext extracts (with its level on the
puzzle pages, alone under its solution), the sheet has the paper's size, the document's Title,
Author and Creator are the heading, the footer (or Quorvel) and the program, and pdfimages lists
no raster image. A club's booklet shows its heading, footer and date on every page.
"""
import datetime
import json
import os
import re
import subprocess
import sys
import tempfile


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def check_booklet(tool, folder, args, pages, numbers, labels, page_size="595 x 842",
                  title=None, author="Quorvel"):
    """`labels` are exact texts, or patterns when compiled; `title` the document's Title, by
    default any of the tool's own ("Quorvel 9 x 9 - ...")."""
    out = os.path.join(folder, "booklet.pdf")
    printed = json.loads(run(tool, "booklet", *args, "--out", out))
    problems = []
    if printed["pages"] != pages or printed["numbers"] != numbers:
        problems.append(f"printed {printed}, expected {pages} pages, numbers {numbers}")
    read = dict(re.findall(r"^(Pages|Page size|Title|Author|Creator): +(.*?)(?: pts.*)?$",
                           run("pdfinfo", out), re.M))
    if title is None and read.get("Title", "").startswith("Quorvel "):
        title = read["Title"]
    expected = {"Pages": str(pages), "Page size": page_size, "Title": title, "Author": author,
                "Creator": "Quorvel 1.0.2"}
    if read != expected:
        problems.append(f"pdfinfo read {read}, expected {expected}")
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
        # A club's booklet: its heading (the Title), footer (the Author) and today's date on
        # every page, the heading twice and the footer once on the solutions page.
        today = {datetime.date.today(), datetime.date.today() - datetime.timedelta(days=1)}
        dates = "|".join(f"{day.day} {day:%B %Y}" for day in today)
        club = ["--title", "Riverside Puzzle Club - May", "--footer", "riverside.example.org"]
        problems += check_booklet(
            tool, folder,
            ["--size", "9", "--level", "1", "--count", "2", "--per-page", "2", "--from-db",
             database, "--date"] + club,
            2, [1, 2], ["Riverside Puzzle Club - May", "Riverside Puzzle Club - May - Solutions",
                        re.compile(rf"(riverside\.example\.org +Page \d of 2\n(.|\n)*){{2}}"),
                        re.compile(rf"Riverside Puzzle Club - May +({dates})")],
            title="Riverside Puzzle Club - May", author="riverside.example.org")
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
