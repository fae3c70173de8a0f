#!/usr/bin/env bash
# Runs bench_pictures (release build, off-screen) and prints the label window's showing of an
# extension with 20 large pictures as a ratio to the core's painter drawing the same pictures.
#   bench/bench_pictures.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bench/bench_pictures" --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def ms(name, kind="real_time"): return runs[name + "_median"][kind]
show, core, repaint = "ShowExtensionWithPictures", "CoreDrawPictures", "RepaintShownPictures"
print(f"show 20 pictures vs core draw: {ms(show):.1f} ms / {ms(core):.1f} ms = {ms(show) / ms(core):.2f}x wall, "
      f"{ms(show, 'cpu_time') / ms(core, 'cpu_time'):.2f}x CPU (goal 2x)")
print(f"repaint of the shown label and its 20 picture windows: {ms(repaint):.2f} ms "
      f"({runs[repaint + '_median']['pictures_painted']:.0f} picture paints each; no decoding)")
PY
