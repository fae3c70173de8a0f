#!/usr/bin/env bash
# Runs the template scan benchmark and prints each scan as a ratio of the bare walk measured
# in the same run. The cached scan must open no template file and stay within 1.5 x.
#   bench/bench_template_scan.sh [BUILD_DIR]   (default build/release, else build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-}
if [ -z "$dir" ]; then
  if [ -x build/release/bench/bench_template_scan ]; then dir=build/release; else dir=build/debug; fi
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Repetitions are interleaved at random, so that load from other programs falls on all three
# alike; medians are compared.
"$dir/bench/bench_template_scan" --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
bare = runs["BM_BareWalk"]
print(f"{'median of 15':14s} {'real':>9s}    {'x bare':>6s}  {'cpu':>9s}    {'x bare':>6s}")
for name in ("BM_ColdScan", "BM_CachedScan", "BM_BareWalk"):
    b = runs[name]
    print(f"{name:14s} {b['real_time']:9.2f} {b['time_unit']} {b['real_time'] / bare['real_time']:6.2f}"
          f"  {b['cpu_time']:9.2f} {b['time_unit']} {b['cpu_time'] / bare['cpu_time']:6.2f}")
cached = runs["BM_CachedScan"]["real_time"] / bare["real_time"]
print("cached scan within 1.5 x bare walk (real time):", "yes" if cached <= 1.5 else "NO")
PY
