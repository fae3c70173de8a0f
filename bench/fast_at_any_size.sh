#!/usr/bin/env bash
# Every size and speed comparison of the program in one run, one line or block per row:
# printing against gLabels (speed, PDF bytes per page), print memory at 3k/30k/100k labels,
# `list` against sqlite3, start-up against a bare window, opening 100,000 extensions in the
# window, and Find against a raw text scan.
#   bench/fast_at_any_size.sh [ROW...]   (rows by script name; the printing rows alone:
#   bench/fast_at_any_size.sh print_speed print_pdf_size print_memory)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh release >/dev/null
rows=("$@")
[ ${#rows[@]} -gt 0 ] || rows=(print_speed print_pdf_size print_memory list_cli startup_process open_large find_no_match)
for row in "${rows[@]}"; do
  echo "== $row"
  "bench/$row.sh"
done
