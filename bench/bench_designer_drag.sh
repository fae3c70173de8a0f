#!/usr/bin/env bash
# Runs bench_designer_drag (release build, off-screen) and prints one mouse move of a drag in
# the layout designer (200 objects) as a ratio to one label painter paint of the same layout.
#   bench/bench_designer_drag.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bench/bench_designer_drag" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def ms(name, kind="real_time"): return runs[name + "_median"][kind]
move, paint = "DragMove", "CorePaint"
print(f"drag move vs label painter, 200 objects: {ms(move):.2f} ms / {ms(paint):.2f} ms = "
      f"{ms(move) / ms(paint):.2f}x wall, {ms(move, 'cpu_time') / ms(paint, 'cpu_time'):.2f}x CPU (goal at most 2x)")
PY
