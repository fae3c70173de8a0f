#!/usr/bin/env bash
# Mirn against gLabels on the same job, in the same run: 3,000 labels with three text fields
# each on a 30-label US Letter sheet (2⅝ × 1 inch labels), written to PDF. Then 30,000
# labels with Mirn alone, for linear time and flat memory.
#   bench/bench_print.sh [build folder, default build/release]
# The peer, glabels-3-batch (Debian package glabels), runs with a private session bus
# (dbus-run-session) under /usr/bin/time; they are installed here, for this script only.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh glabels dbus time
build=${1:-build/release}
./scripts/build.sh release --target bench_print >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mirn_json="$work/mirn.json"
"$build/bench/bench_print" --benchmark_filter='BM_PrintPdf/3000/' --benchmark_format=json >"$mirn_json"

peer() {  # peer LABELS -> "milliseconds peak_kib pages bytes"
  /usr/bin/python3 bench/print_glabels_doc.py "$1" "$work/peer.glabels" "$work/peer.csv"
  local start end
  start=$(date +%s%N)
  dbus-run-session -- env GIO_USE_VFS=local GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
    /usr/bin/time -f '%M' -o "$work/peer.rss" glabels-3-batch -o "$work/peer.pdf" "$work/peer.glabels" >/dev/null 2>&1
  end=$(date +%s%N)
  local pages
  pages=$(pdfinfo "$work/peer.pdf" | awk '/^Pages:/ {print $2}')
  echo "$(( (end - start) / 1000000 )) $(tail -1 "$work/peer.rss") $pages $(stat -c %s "$work/peer.pdf")"
}
if command -v glabels-3-batch >/dev/null; then
  read -r peer_s peer_kib peer_pages peer_bytes < <(peer 3000)
  read -r peer30_s _ _ _ < <(peer 30)
else
  echo "glabels-3-batch is not installed (apt-get install glabels): no comparison" >&2
  peer_s=0 peer_kib=0 peer_pages=0 peer_bytes=0 peer30_s=0
fi

big_json="$work/big.json"
"$build/bench/bench_print" --benchmark_filter='BM_PrintPdf/30000/' --benchmark_format=json >"$big_json"

/usr/bin/python3 - "$mirn_json" "$big_json" "$peer_s" "$peer_kib" "$peer_pages" "$peer_bytes" "$peer30_s" <<'PY'
import json, sys
small = json.load(open(sys.argv[1]))["benchmarks"][0]
big = json.load(open(sys.argv[2]))["benchmarks"][0]
peer_ms, peer_kib, peer_pages, peer_bytes, peer30_ms = (float(x) for x in sys.argv[3:8])
peer_s, peer30_s = peer_ms / 1000, peer30_ms / 1000
ms = small["real_time"] / 1000
print(f"Mirn, 3,000 labels: {ms:.2f} s, {small['labels_per_second']:.0f} labels/s, "
      f"{small['pdf_bytes_per_page']:.0f} PDF bytes/page, {small['pages']:.0f} pages, peak {small['peak_rss_MiB']:.0f} MiB")
if peer_s > 0:
    print(f"gLabels, 3,000 labels: {peer_s:.2f} s ({peer30_s:.2f} s for 30 labels), {3000/peer_s:.0f} labels/s, "
          f"{peer_bytes/peer_pages:.0f} PDF bytes/page, {peer_pages:.0f} pages, peak {peer_kib/1024:.0f} MiB")
    print(f"labels per second, Mirn / gLabels: {(3000/ms)/(3000/peer_s):.1f}x (goal 3x); "
          f"without the peer's start-up (its 30-label time): {(peer_s-peer30_s)/ms:.1f}x")
bs = big["real_time"] / 1000
print(f"Mirn, 30,000 labels: {bs:.2f} s = {bs/ms:.1f}x the 3,000-label time (goal at most 11x), "
      f"{big['labels_per_second']:.0f} labels/s, peak {big['peak_rss_MiB']:.0f} MiB (goal under 200 MiB)")
PY
