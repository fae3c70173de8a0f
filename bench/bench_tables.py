#!/usr/bin/python3
"""Whole-process figures for importing tables with mirn-cli, measured side by side in one run.

  bench/bench_tables.sh [BUILD] [ROWS] [RUNS]       (default build/release, 100000 rows, 5 runs)

Writes the same ROWS extensions (id, layout CV210, name, three keys) three ways: Mirn's own
headerless CSV, a CSV with a header row mapped by name, and an .xlsx written by openpyxl.
Each run imports one file into a new database (`import-csv` / `import-sheet`); the runs
alternate own, headed, sheet, own, headed, sheet ... so that a drift of the machine's speed
reaches all three alike. Prints each command's median wall time and peak resident memory, and
the ratios headed/own (goal at most 1.2) and sheet/headed CSV (goal at most 2), with the
sheet's peak (goal under 100 MB).
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time


def write_inputs(folder, rows):
    own = os.path.join(folder, "own.csv")
    headed = os.path.join(folder, "headed.csv")
    sheet = os.path.join(folder, "sheet.xlsx")
    records = [(str(1000 + i), "CV210", f"Person {i}", f"Key {i} a", f"Key {i} b", f"Key {i} c") for i in range(rows)]
    with open(own, "w", encoding="cp1252", newline="") as f:
        for r in records:
            f.write(",".join('"' + c + '"' for c in r) + "\r\n")
    with open(headed, "w", encoding="utf-8", newline="") as f:
        f.write("extension,type code,name,key 1,key 2,key 3\r\n")
        for r in records:
            f.write(",".join(r) + "\r\n")
    import openpyxl
    book = openpyxl.Workbook(write_only=True)
    ws = book.create_sheet("Extensions")
    ws.append(["extension", "type code", "name", "key 1", "key 2", "key 3"])
    for r in records:
        ws.append([int(r[0])] + list(r[1:]))
    book.save(sheet)
    return own, headed, sheet


def run(argv, env):
    """Wall seconds and peak resident MB of one run."""
    start = time.monotonic()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.monotonic() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    if status != 0:
        sys.exit(f"failed: {' '.join(argv)}\n{err}")
    return wall, usage.ru_maxrss / 1024.0


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    cli = os.path.join(build, "bin", "mirn-cli")
    with tempfile.TemporaryDirectory() as folder:
        own, headed, sheet = write_inputs(folder, rows)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"),
                   XDG_DATA_HOME=os.path.join(folder, "data"), XDG_CACHE_HOME=os.path.join(folder, "cache"))
        db = os.path.join(folder, "db.mrb")
        commands = {
            "own CSV (import-csv)": [cli, "import-csv", db, own, "--create"],
            "headed CSV (import-csv)": [cli, "import-csv", db, headed, "--create"],
            "xlsx (import-sheet)": [cli, "import-sheet", db, sheet, "--create"],
        }
        figures = {name: [] for name in commands}
        for i in range(runs + 1):  # the first round warms the caches and is not counted
            for name, argv in commands.items():
                if os.path.exists(db):
                    os.remove(db)
                figure = run(argv, env)
                if i > 0:
                    figures[name].append(figure)
        medians = {}
        for name, values in figures.items():
            wall = statistics.median(v[0] for v in values)
            peak = max(v[1] for v in values)
            medians[name] = wall
            print(f"{name}: median {wall:.2f} s (min {min(v[0] for v in values):.2f}, "
                  f"max {max(v[0] for v in values):.2f}), peak {peak:.0f} MB")
        own_s, headed_s, sheet_s = medians.values()
        print(f"{rows} rows, {runs} runs each; headed/own = {headed_s / own_s:.2f}x (goal 1.2x); "
              f"xlsx/headed CSV = {sheet_s / headed_s:.2f}x (goal 2x)")


if __name__ == "__main__":
    main()
