#!/usr/bin/env bash
# Runs bench_database (release build) and prints each measurement as a ratio to its floor.
#   bench/bench_database.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$build/bench/bench_database" --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def ms(name, kind="real_time"): return runs[name][kind]
for label, ours, floor, goal in [
    ("insert (AddExtension+SetField vs prepared INSERTs)", "BM_Insert_Database", "BM_Insert_Floor", 1.5),
    ("walk (extension range+GetField vs one SELECT)", "BM_Walk_Database", "BM_Walk_Floor", 3.0)]:
    r, c = ms(ours) / ms(floor), ms(ours, "cpu_time") / ms(floor, "cpu_time")
    print(f"{label}: wall {ms(ours):.0f} ms / {ms(floor):.0f} ms = {r:.2f}x, "
          f"cpu {c:.2f}x (goal {goal}x)")
# cp runs in a child process, so only wall time compares.
for label, floor in [("save vs cp of the saved file", "BM_Save_CopyWithCp"),
                     ("save vs cp + fsync of the copy", "BM_Save_CopyWithCpAndFsync")]:
    ours = "BM_Save_Database"
    print(f"{label}: {ms(ours):.0f} ms / {ms(floor):.0f} ms = {ms(ours) / ms(floor):.2f}x (goal 2.0x vs cp)")
p = runs["BM_Picture256MiB"]
print(f"256 MiB picture: peak resident growth embed {p['embed_peak_growth_MiB']:.1f} MiB, "
      f"extract {p['extract_peak_growth_MiB']:.1f} MiB (goal < 16 MiB)")
print(f"saved file: {runs['BM_Save_Database']['file_MiB']:.1f} MiB")
PY
