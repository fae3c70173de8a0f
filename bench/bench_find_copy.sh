#!/usr/bin/env bash
# Runs bench_find_copy (release build) and prints each measurement as a ratio to its floor.
#   bench/bench_find_copy.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$build/bench/bench_find_copy" --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {"/".join(p for p in b["name"].split("/") if not p.startswith("iterations")): b
        for b in json.load(open(sys.argv[1]))["benchmarks"]}
def t(name, kind): return runs[name][kind]
for label, ours, floor, goal in [
    ("find, no match, 100,000 x 12 fields vs bare walk and parse", "BM_FindNoMatch", "BM_BareWalkParse", 2.0),
    ("Copy Styles Everything onto 10,000 vs onto 1,000", "BM_CopyStylesEverything/10000", "BM_CopyStylesEverything/1000", 11.0),
    ("Copy Styles Everything onto 10,000 vs SetField of the same texts", "BM_CopyStylesEverything/10000", "BM_SetFieldFloor/10000", 1.5),
    ("Copy Styles Everything onto 1,000 vs SetField of the same texts", "BM_CopyStylesEverything/1000", "BM_SetFieldFloor/1000", 1.5)]:
    w = t(ours, "real_time") / t(floor, "real_time")
    c = t(ours, "cpu_time") / t(floor, "cpu_time")
    print(f"{label}: wall {t(ours, 'real_time'):.0f} ms / {t(floor, 'real_time'):.0f} ms = {w:.2f}x, cpu {c:.2f}x (goal {goal}x)")
PY
