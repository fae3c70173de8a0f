#!/usr/bin/env bash
# Runs bench_import_progress (release build, offscreen platform) and prints the Import Data
# command's time through the progress window as a ratio to the core alone, with the
# window's event-loop, repaint and Stop figures.
#   bench/bench_import_progress.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bench/bench_import_progress" --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
pair, stop = runs["CoreAndWindowImport"], runs["StopAnswers"]
print(f"import 100,000 CSV lines, Import Data with its progress window vs the core alone "
      f"({pair['iterations']} pairs, run alternately): {pair['window_ms']:.0f} ms / {pair['core_ms']:.0f} ms = "
      f"{pair['vs_core']:.2f}x, worst pair {pair['worst_pair_vs_core']:.2f}x (goal 1.2x)")
print(f"longest time without an event-loop turn: {pair['max_turn_gap_ms']:.1f} ms (goal 100 ms)")
print(f"longest time between repaints of the bar: {pair['max_paint_gap_ms']:.1f} ms (goal 100 ms)")
print(f"shortest time between bar updates: {pair['min_update_gap_ms']:.1f} ms over "
      f"{pair['bar_updates']:.0f} updates (goal at least 50 ms)")
print(f"Stop to the command's return, worst of {stop['iterations']} clicks: {stop['stop_ms']:.1f} ms (goal 100 ms)")
PY
