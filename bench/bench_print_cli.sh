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
./scripts/build.sh release --target mirn-cli >/dev/null
cli=$PWD/build/release/bin/mirn-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export MIRN_PROGRAM_DIR=$work/program
mkdir -p "$MIRN_PROGRAM_DIR/ddf"

# The benchmark sheet as a layout source (the same as bench_print.cpp's).
cat >"$work/bench30.json" <<'JSON'
{"format": "DDF", "preamble": "Bench\r\n", "groupName": "Bench", "typeCode": "BENCH30",
 "description": "30 labels 2-5/8 x 1 in", "landscape": false, "labelWidth": 3780, "labelHeight": 1440,
 "slotGrid": {"columns": 3, "rows": 10, "origin": {"x": 270, "y": 720}, "pitch": {"x": 3960, "y": 1440}},
 "objects": [
  {"id": 1201, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"], "color": "#FFFFFF", "left": 130, "top": 80, "right": 3650, "bottom": 520, "caption": ""},
  {"id": 1202, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"], "color": "#FFFFFF", "left": 130, "top": 540, "right": 3650, "bottom": 940, "caption": ""},
  {"id": 1203, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"], "color": "#FFFFFF", "left": 130, "top": 960, "right": 3650, "bottom": 1360, "caption": ""}]}
JSON
"$cli" template build "$work/bench30.json" "$MIRN_PROGRAM_DIR/ddf/bench30.ddf" >/dev/null
python3 - "$labels" "$work/in.csv" <<'PY'
import sys
n = int(sys.argv[1])
with open(sys.argv[2], "w") as f:
    for i in range(n):
        f.write(f"{2000+i},BENCH30,Extension holder {i},{2000+i},Extension holder {i},Department {i%17}\r\n")
PY
"$cli" import-csv "$work/bench.mrb" "$work/in.csv" --create --style "Arial,10,0,0,0,0,0,C" >/dev/null
python3 bench/print_glabels_doc.py "$labels" "$work/peer.glabels" "$work/peer.csv"

now() { date +%s%N; }
best_mirn=0 best_peer=0
for r in $(seq "$rounds"); do
  start=$(now)
  "$cli" print "$work/bench.mrb" --pdf "$work/mirn.pdf" --paper letter --yes >/dev/null 2>&1
  t=$(( $(now) - start )); { [ "$best_mirn" -eq 0 ] || [ "$t" -lt "$best_mirn" ]; } && best_mirn=$t
  if command -v glabels-3-batch >/dev/null; then
    start=$(now)
    dbus-run-session -- env GIO_USE_VFS=local GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
      glabels-3-batch -o "$work/peer.pdf" "$work/peer.glabels" >/dev/null 2>&1
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
