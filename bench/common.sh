# Shared by the whole-process benchmark scripts (sourced, not run): a scratch folder with its
# own settings, cache and program folder, and label databases made with mirn-cli itself.
#   source bench/common.sh; scratch_setup; make_database 100000 "$work/big.mrb"

# Release binaries of the named targets; sets $bin.
build_release() {
  ./scripts/build.sh release --target "$@" >/dev/null
  bin=$PWD/build/release/bin
}

# A scratch folder ($work) removed on exit, with the program's folders inside it.
scratch_setup() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
  export TMPDIR=$work/tmp
  mkdir -p "$TMPDIR"
}

# make_database COUNT FILE: COUNT extensions of the bundled 12-button layout HD60, ids 100000
# upwards, a name and 12 field texts each, imported from a CSV file by mirn-cli.
make_database() {
  python3 - "$1" "$work/import.csv" <<'PY'
import sys
n = int(sys.argv[1])
with open(sys.argv[2], "w") as f:
    for i in range(n):
        ext = 100000 + i
        texts = ",".join(f"Button {b} of {ext}" for b in range(12))
        f.write(f"{ext},HD60,Holder {i % 977} desk {ext},{texts}\r\n")
PY
  "$bin/mirn-cli" import-csv "$2" "$work/import.csv" --create --style "Arial,10,0,0,0,0,0,L" >/dev/null
  rm -f "$work/import.csv"
}

# make_print_job LABELS: the print benchmark's sheet (30 labels of 2⅝ × 1 inch on US Letter,
# the geometry of HD40) as the layout BENCH30 in a private program folder, $work/bench.mrb
# with LABELS extensions of three texts each, and gLabels' document of the same sheet and
# texts ($work/peer.glabels).
make_print_job() {
  export MIRN_PROGRAM_DIR=$work/program QT_QPA_PLATFORM=offscreen
  mkdir -p "$MIRN_PROGRAM_DIR/ddf"
  cat >"$work/bench30.json" <<'JSON'
{"format": "DDF", "preamble": "Bench\r\n", "groupName": "Bench", "typeCode": "BENCH30",
 "description": "30 labels 2-5/8 x 1 in", "landscape": false, "labelWidth": 3780, "labelHeight": 1440,
 "slotGrid": {"columns": 3, "rows": 10, "origin": {"x": 270, "y": 720}, "pitch": {"x": 3960, "y": 1440}},
 "objects": [
  {"id": 1201, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"], "color": "#FFFFFF", "left": 130, "top": 80, "right": 3650, "bottom": 520, "caption": ""},
  {"id": 1202, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"], "color": "#FFFFFF", "left": 130, "top": 540, "right": 3650, "bottom": 940, "caption": ""},
  {"id": 1203, "flags": ["DDF_PRINT", "DDF_SELECT", "DDF_TEXT"], "color": "#FFFFFF", "left": 130, "top": 960, "right": 3650, "bottom": 1360, "caption": ""}]}
JSON
  "$bin/mirn-cli" template build "$work/bench30.json" "$MIRN_PROGRAM_DIR/ddf/bench30.ddf" >/dev/null
  python3 - "$1" "$work/in.csv" <<'PY'
import sys
n = int(sys.argv[1])
with open(sys.argv[2], "w") as f:
    for i in range(n):
        f.write(f"{2000+i},BENCH30,Extension holder {i},{2000+i},Extension holder {i},Department {i%17}\r\n")
PY
  rm -f "$work/bench.mrb"
  "$bin/mirn-cli" import-csv "$work/bench.mrb" "$work/in.csv" --create --style "Arial,10,0,0,0,0,0,C" >/dev/null
  python3 bench/print_glabels_doc.py "$1" "$work/peer.glabels" "$work/peer.csv"
}

# The peer's batch tool as one command (it needs a session bus and no desktop settings).
peer_print() {
  dbus-run-session -- env GIO_USE_VFS=local GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
    glabels-3-batch -o "$1" "$work/peer.glabels"
}
