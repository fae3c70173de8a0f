#!/usr/bin/env bash
# The whole `mirn-cli print` of 3,000 labels to PDF as a process against gLabels'
# glabels-3-batch as a process on the same sheet (30 labels of 2⅝ × 1 inch on US Letter)
# with the same three texts per label, in turns in the same run (best of ROUNDS each).
# Reports labels per second of both, their ratio, and the PDF bytes per page of both.
#   bench/bench_print_cli.sh [ROUNDS, default 3]
# Needs a Release build (scripts/build.sh release) and glabels-3-batch (package glabels).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
labels=3000
source bench/common.sh
build_release mirn-cli
cli=$bin/mirn-cli
scratch_setup
make_print_job "$labels"

now() { date +%s%N; }
best_mirn=0 best_peer=0
for r in $(seq "$rounds"); do
  start=$(now)
  "$cli" print "$work/bench.mrb" --pdf "$work/mirn.pdf" --paper letter --yes >/dev/null 2>&1
  t=$(( $(now) - start )); { [ "$best_mirn" -eq 0 ] || [ "$t" -lt "$best_mirn" ]; } && best_mirn=$t
  if command -v glabels-3-batch >/dev/null; then
    start=$(now)
    peer_print "$work/peer.pdf" >/dev/null 2>&1
    t=$(( $(now) - start )); { [ "$best_peer" -eq 0 ] || [ "$t" -lt "$best_peer" ]; } && best_peer=$t
  fi
done
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
mirn_pages=$(pages "$work/mirn.pdf")
python3 - "$labels" "$best_mirn" "$best_peer" "$mirn_pages" "$(stat -c %s "$work/mirn.pdf")" \
  "$( [ "$best_peer" -gt 0 ] && pages "$work/peer.pdf" || echo 0)" \
  "$( [ "$best_peer" -gt 0 ] && stat -c %s "$work/peer.pdf" || echo 0)" <<'PY'
import sys
n, mirn_ns, peer_ns, mp, mb, pp, pb = (int(x) for x in sys.argv[1:8])
m = mirn_ns / 1e9
print(f"mirn-cli print, {n} labels: {m:.2f} s, {n/m:.0f} labels/s, {mp} pages, {mb/mp:.0f} PDF bytes/page")
if peer_ns:
    p = peer_ns / 1e9
    print(f"glabels-3-batch, {n} labels: {p:.2f} s, {n/p:.0f} labels/s, {pp} pages, {pb/pp:.0f} PDF bytes/page")
    print(f"labels per second, Mirn / gLabels: {p/m:.1f}x (goal 12x); PDF bytes per page, Mirn / gLabels: {(mb/mp)/(pb/pp):.2f}")
PY
