#!/usr/bin/env bash
# Peak resident set of `mirn-cli print` to PDF at 3,000, 30,000 and 100,000 labels, from
# /usr/bin/time -v (goal: at most 50 MiB at 100,000).
#   bench/print_memory.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh time
source bench/common.sh
build_release mirn-cli
scratch_setup
for labels in 3000 30000 100000; do
  make_print_job "$labels" >/dev/null
  /usr/bin/time -v "$bin/mirn-cli" print "$work/bench.mrb" --pdf "$work/mirn.pdf" --paper letter --yes \
    >/dev/null 2>"$work/time.txt"
  kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
  echo "print $labels labels: peak $((kib / 1024)) MiB$([ "$labels" = 100000 ] && { [ "$kib" -le 51200 ] && echo ' (goal 50 MiB: met)' || echo ' (goal 50 MiB: NOT met)'; })"
done
