#!/usr/bin/env bash
# Importing 100,000 rows with mirn-cli: Mirn's own CSV, a CSV with a header row and an .xlsx,
# alternated in one run (bench/bench_tables.py says how).
#   bench/bench_tables.sh [build folder, default build/release] [ROWS] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
exec /usr/bin/python3 bench/bench_tables.py "$@"
