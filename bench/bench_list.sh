#!/usr/bin/env bash
# Runs bench_list (release build) and prints each measurement as a ratio to its reference.
#   bench/bench_list.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$build/bench/bench_list" --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def ms(name): return runs[name]["real_time"]
for label, ours, ref, goal in [
    ("open 100,000 into the sorted list vs GetNextExtension+GetExtension", "BM_Open_List", "BM_Open_BareWalk", 2.0),
    ("sort by name vs std::sort of the cached names", "BM_Sort_List", "BM_Sort_Reference", 3.0),
    ("add 1-500 with default texts vs AddExtension+SetField", "BM_Add_Creation", "BM_Add_Reference", 1.5)]:
    print(f"{label}: {ms(ours):.1f} ms / {ms(ref):.1f} ms = {ms(ours) / ms(ref):.2f}x (goal {goal}x)")
m = runs["BM_Memory_List"]
print(f"list heap per row: {m['bytes_per_row']:.0f} bytes measured, {m['estimate_per_row']:.0f} counted (goal 300)")
PY
