#!/usr/bin/env bash
# Find with no match in 100,000 extensions of 12 text fields each, against a raw text scan of
# the same fields (read the same way, searched as stored, nothing parsed). Prints the ratio.
#   bench/find_no_match.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
[ "${1:-}" ] || ./scripts/build.sh release --target bench_find_copy >/dev/null
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$build/bench/bench_find_copy" --benchmark_filter='BM_FindNoMatch|BM_RawTextScan' \
  --benchmark_format=json >"$out"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
find, scan = runs["BM_FindNoMatch"]["real_time"], runs["BM_RawTextScan"]["real_time"]
ratio = find / scan
print(f"find, no match, 100,000 x 12 fields: {find:.0f} ms; raw text scan of the same fields: "
      f"{scan:.0f} ms; ratio {ratio:.2f}x (goal 3x: {'met' if ratio <= 3 else 'NOT met'})")
PY
