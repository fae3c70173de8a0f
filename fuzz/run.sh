#!/usr/bin/env bash
# Builds the fuzz targets with clang (the core instrumented with ASan and UBSan) and runs each
# for the given number of seconds (default 180), printing libFuzzer's final statistics.
#   fuzz/run.sh [SECONDS] [TARGET...]
# FUZZ_RUNS=N ends a target after N executions when that comes before the time limit, so a
# long campaign gives fast targets their executions and slow ones their minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
shift || true
# clang and its sanitizer and libFuzzer runtimes are needed here only.
./scripts/install-deps.sh clang libclang-rt-14-dev
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMIRN_BUILD_QT=OFF -DMIRN_BUILD_TESTS=OFF -DMIRN_BUILD_BENCH=OFF -DMIRN_BUILD_FUZZ=ON \
  -DMIRN_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  for f in "$build"/fuzz/fuzz_*; do targets+=("$(basename "$f")"); done
fi
for t in "${targets[@]}"; do
  corpus=build/fuzz-corpus/$t
  mkdir -p "$corpus"
  seeds=fuzz/seeds/${t#fuzz_}
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  echo "== $t for ${seconds}s"
  started=$(date +%s)
  limits=(-max_total_time="$seconds")
  [ -n "${FUZZ_RUNS:-}" ] && limits+=(-runs="$FUZZ_RUNS")
  "$build/fuzz/$t" "${limits[@]}" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 \
    | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==.*ERROR|SUMMARY)' || true
  echo "   ran $(($(date +%s) - started)) s"
done
