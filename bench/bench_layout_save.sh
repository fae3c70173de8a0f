#!/usr/bin/env bash
# Saving a layout until the add-extension dialog lists it, with 2,000 layouts in the library,
# against a cached rescan of the same library (what the save spares), interleaved in one run;
# medians, their ratio and the 50 ms bound.
#   bench/bench_layout_save.sh [BUILD_DIR]   (default build/release, else build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-}
if [ -z "$dir" ]; then
  if [ -x build/release/bench/bench_layout_save ]; then dir=build/release; else dir=build/debug; fi
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$dir/bench/bench_layout_save" --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
save, scan = runs["BM_SaveUntilListed"], runs["BM_CachedRescan"]
print(f"save until listed  {save['real_time']:8.2f} {save['time_unit']}")
print(f"cached rescan      {scan['real_time']:8.2f} {scan['time_unit']}")
print(f"save / rescan      {save['real_time'] / scan['real_time']:8.3f}")
print("save until listed under 50 ms:", "yes" if save["real_time"] < 50 else "NO")
PY
