#!/usr/bin/env python3
"""Checks the links of the README and docs/*.md.

    check_docs.py SOURCE_DIR

Every relative link must name a file that exists. Every picture must lie in docs/images/, be at
most 150 KB and be made by scripts/docs-images.sh (`shot NAME` or `keep FILE NAME`), so that
`make docs-images` regenerates every picture the documents show.
"""
import pathlib
import re
import sys

MAX_BYTES = 150 * 1024
LINK = re.compile(r"(!?)\[[^\]]*\]\(([^)\s]+)\)")


def main():
    source = pathlib.Path(sys.argv[1])
    images = source / "docs" / "images"
    walk = (source / "scripts" / "docs-images.sh").read_text(encoding="utf-8")
    made = set(re.findall(r"^\s*(?:shot|keep \S+) ([\w-]+)\s*$", walk, re.MULTILINE))
    problems = []
    for document in [source / "README.md", *sorted((source / "docs").glob("*.md"))]:
        for is_image, target in LINK.findall(document.read_text(encoding="utf-8")):
            if re.match(r"[a-z]+:", target) or target.startswith("#"):
                continue
            path = (document.parent / target.split("#")[0]).resolve()
            where = f"{document.relative_to(source)}: {target}"
            if not path.is_file():
                problems.append(f"{where}: no such file")
            elif is_image:
                if path.parent != images.resolve():
                    problems.append(f"{where}: pictures belong in docs/images/")
                elif path.stat().st_size > MAX_BYTES:
                    problems.append(f"{where}: {path.stat().st_size} bytes, over {MAX_BYTES}")
                elif path.stem not in made:
                    problems.append(f"{where}: scripts/docs-images.sh does not make it")
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
