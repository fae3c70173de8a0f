#!/usr/bin/env python3
"""Checks that the source folders build only downward.

    scripts/check-include-floors.py [SOURCE-ROOT]

Every folder of src/ (and of src/core) stands on a floor; a file may include files of its
own floor and of the floors below it, never of a floor above. Two folders of one floor must
not include each other both ways (a loop is no floor). Nothing under src/core includes Qt.
A folder that has no floor in FLOORS is an error too, so a new folder is placed on purpose.
Exits 1 and names each offending file, line and include; prints a summary and exits 0
otherwise. docs/architecture.md states the same floors.
"""

import pathlib
import re
import sys

# Bottom up. src/core's folders are named bare; the layers beside it as they sit in src/.
FLOORS = [
    ["util", "json", "platform"],
    ["xbase", "db"],
    ["text", "templates", "legacy"],
    ["store", "panel"],
    ["print", "exchange", "layouts"],
    ["extensions", "find"],
    ["app", "feedback"],
    ["qt", "net", "cli"],
    ["gui"],
]
FLOOR_OF = {folder: level for level, folders in enumerate(FLOORS) for folder in folders}
# Files directly in src/core (the link check) stand with the top of the core.
CORE_TOP = "app"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|Qt[A-Za-z]*/|qt[0-9]?/)")
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def folder_of(src, path):
    """The folder that owns a file of the tree: a folder of src/core, or one of src/."""
    rel = path.relative_to(src)
    if rel.parts[0] == "core":
        return CORE_TOP if len(rel.parts) == 2 else rel.parts[1]
    return rel.parts[0]


def included_folder(src, name):
    """The folder a quoted include names, or None for a name outside the tree."""
    for base in (src / "core", src):
        target = base / name
        if target.is_file():
            return folder_of(src, target)
    return None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    src = root / "src"
    problems = []
    edges = {}
    files = sorted(p for p in src.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file())
    for path in files:
        folder = folder_of(src, path)
        rel = path.relative_to(root)
        if folder not in FLOOR_OF:
            problems.append(f"{rel}: folder '{folder}' has no floor; add it to the floors")
            continue
        in_core = path.relative_to(src).parts[0] == "core"
        text = path.read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            if in_core and bracket == "<" and QT_HEADER.match(name):
                problems.append(f"{rel}:{number}: the core includes Qt: <{name}>")
                continue
            if bracket != '"':
                continue
            target = included_folder(src, name)
            if target is None or target == folder:
                continue
            if target not in FLOOR_OF:
                continue  # reported once at the target's own files
            if FLOOR_OF[target] > FLOOR_OF[folder]:
                problems.append(
                    f"{rel}:{number}: '{folder}' (floor {FLOOR_OF[folder] + 1}) includes "
                    f"\"{name}\" of '{target}' (floor {FLOOR_OF[target] + 1}), a floor above")
            edges.setdefault((folder, target), f"{rel}:{number}")
    for (a, b), where in sorted(edges.items()):
        if a < b and (b, a) in edges and FLOOR_OF[a] == FLOOR_OF[b]:
            problems.append(f"'{a}' and '{b}' include each other: {where} and {edges[(b, a)]}")
    if problems:
        print("\n".join(problems))
        print(f"{len(problems)} include(s) break the floors", file=sys.stderr)
        return 1
    print(f"{len(files)} files, {len(edges)} folder pairs: every include runs down or level")
    return 0


if __name__ == "__main__":
    sys.exit(main())
