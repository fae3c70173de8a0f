#!/usr/bin/env bash
# Runs bench_startup (release build) and prints each measurement as a ratio to its reference.
#   bench/bench_startup.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$build/bench/bench_startup" --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def ms(name): return runs[name]["real_time"]
for label, ours, ref, goal in [
    ("start-up to an idle main window (2,000 cached layouts) vs a bare Qt main window",
     "BM_Startup_MainWindow", "BM_Startup_BareWindow", 1.5),
    ("open 100,000 extensions into the main window (list filled) vs the core's OpenDatabase",
     "BM_Open_MainWindow", "BM_Open_Core", 2.0),
    ("open 100,000 extensions through the document flow vs the core's OpenDatabase",
     "BM_Open_DocumentFlow", "BM_Open_Core", 2.0)]:
    print(f"{label}: {ms(ours):.1f} ms / {ms(ref):.1f} ms = {ms(ours) / ms(ref):.2f}x (goal {goal}x)")
german = ms("BM_Startup_MainWindowGerman") - ms("BM_Startup_MainWindow")
print(f"start-up with the German translation loaded vs without: {ms('BM_Startup_MainWindowGerman'):.1f} ms / "
      f"{ms('BM_Startup_MainWindow'):.1f} ms = {german:+.1f} ms (goal at most +10 ms)")
scan = ms("BM_Startup_CachedScan")
window = ms("BM_Startup_MainWindow") - scan
print(f"of the start-up, the cached library scan alone: {scan:.1f} ms; the rest (window, database, "
      f"events): {window:.1f} ms = {window / ms('BM_Startup_BareWindow'):.2f}x the bare window")
PY
