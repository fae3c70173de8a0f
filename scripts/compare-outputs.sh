#!/usr/bin/env bash
# Checks that the outputs of mirn-cli are unchanged against an earlier version of the code:
# list, fields, info, export-csv and check byte for byte on a 10,000-extension database and
# on the sample, and the PDF of the sample and of a 3,000-label job page by page as rendered
# images (pdftoppm) and as text positions (pdftotext -bbox, within 0.05 pt).
#   scripts/compare-outputs.sh [--base REF | --old-cli PATH] [--new-cli PATH]
# Without --old-cli, REF's mirn-cli (default: where this branch left main) is built in a
# temporary worktree. Without --new-cli, this tree's release build is used (and built).
# Exits 1 and names every output that differs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
base=$(git merge-base HEAD main)
old_cli="" new_cli=""
while [ $# -gt 0 ]; do
  case "$1" in
    --base) base=$2; shift 2 ;;
    --old-cli) old_cli=$(realpath "$2"); shift 2 ;;
    --new-cli) new_cli=$(realpath "$2"); shift 2 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
./scripts/install-deps.sh poppler-utils >/dev/null
work=$(mktemp -d)
cleanup() {
  [ -d "$work/old-tree" ] && git worktree remove --force "$work/old-tree" >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "$new_cli" ]; then
  ./scripts/build.sh release --target mirn-cli mirn_layouts mirn_sample >/dev/null
  new_cli=$root/build/release/bin/mirn-cli
fi
if [ -z "$old_cli" ]; then
  git worktree add --detach "$work/old-tree" "$base" >/dev/null 2>&1
  (cd "$work/old-tree" && ./scripts/build.sh release --target mirn-cli >/dev/null)
  old_cli=$work/old-tree/build/release/bin/mirn-cli
fi
program=$(dirname "$new_cli")
export MIRN_PROGRAM_DIR=$program QT_QPA_PLATFORM=offscreen
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache TMPDIR=$work/tmp
mkdir -p "$TMPDIR"

# The databases: 10,000 extensions of a 12-button layout with varied texts, and the sample.
python3 - "$work/in.csv" <<'PY'
import sys
with open(sys.argv[1], "w", encoding="cp1252") as f:
    for i in range(10000):
        ext = 20000 + i
        slash = "\\\\" if i % 7 == 0 else ""  # escaped in the stored text
        texts = ",".join(f"Btn {b} {ext} {'é' if b % 3 == 0 else 'x'}{slash}" for b in range(12))
        typecode = "HD60" if i % 5 else "HD40"
        f.write(f"{ext},{typecode},Holder {i % 977} \"desk\" {ext},{texts}\r\n")
PY
"$new_cli" import-csv "$work/big.mrb" "$work/in.csv" --create --style "Arial,9,1,0,0,0,0,C" >/dev/null
cp "$program/samples/sample-labels.mrb" "$work/sample.mrb"
python3 - "$work/print.csv" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    for i in range(3000):
        f.write(f"{2000+i},HD40,Extension holder {i},{2000+i},Department {i % 17}\r\n")
PY
"$new_cli" import-csv "$work/print.mrb" "$work/print.csv" --create --style "Arial,10,0,0,0,0,0,C" >/dev/null

failures=0
# run NAME ARGS...: runs both versions with the same arguments ({OUT} names an output file of
# each), compares what they print and any output file byte for byte.
run() {
  local name=$1; shift
  for side in old new; do
    local cli=$old_cli; [ "$side" = new ] && cli=$new_cli
    local args=("${@//\{OUT\}/$work/$side-$name.out}")
    "$cli" "${args[@]}" >"$work/$side-$name.stdout" 2>"$work/$side-$name.stderr" || echo "exit $?" >>"$work/$side-$name.stdout"
  done
  for part in stdout stderr out; do
    [ -e "$work/old-$name.$part" ] || [ -e "$work/new-$name.$part" ] || continue
    if ! cmp -s "$work/old-$name.$part" "$work/new-$name.$part"; then
      echo "DIFFERS: $name ($part)"; failures=$((failures + 1))
    fi
  done
}
for db in big sample; do
  f=$work/$db.mrb
  run "$db-list" list "$f"
  run "$db-list-json" list "$f" --json
  run "$db-list-name" list "$f" --sort name
  run "$db-list-model" list "$f" --sort model --json
  run "$db-info" info "$f" --json
  run "$db-csv" export-csv "$f" "{OUT}"
  run "$db-csv-utf8" export-csv "$f" "{OUT}" --encoding utf-8
  run "$db-check" check "$f" --json
done
for id in 20000 20001 20007 24999 29999 missing; do
  run "big-fields-$id" fields "$work/big.mrb" "$id"
  run "big-fields-json-$id" fields "$work/big.mrb" "$id" --json
done
for id in $("$new_cli" list "$work/sample.mrb" | cut -f1 | head -5); do
  run "sample-fields-$id" fields "$work/sample.mrb" "$id" --json
done

# pdf NAME DB RESOLUTION: both PDFs rendered page by page and their words' boxes compared.
pdf() {
  local name=$1 db=$2 dpi=$3
  for side in old new; do
    local cli=$old_cli; [ "$side" = new ] && cli=$new_cli
    "$cli" print "$db" --pdf "$work/$side-$name.pdf" --paper letter --yes >/dev/null 2>&1
    pdftoppm -r "$dpi" -gray "$work/$side-$name.pdf" "$work/$side-$name-page"
    pdftotext -bbox "$work/$side-$name.pdf" "$work/$side-$name.html"
  done
  local pages=0
  for page in "$work"/old-"$name"-page-*.pgm; do
    pages=$((pages + 1))
    if ! cmp -s "$page" "${page/old-/new-}"; then
      echo "DIFFERS: $name, page image $(basename "$page")"; failures=$((failures + 1))
    fi
  done
  [ "$(ls "$work"/new-"$name"-page-*.pgm | wc -l)" -eq "$pages" ] || { echo "DIFFERS: $name, page count"; failures=$((failures + 1)); }
  python3 - "$work/old-$name.html" "$work/new-$name.html" "$name" <<'PY' || failures=$((failures + 1))
import re, sys
word = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')
old, new = (word.findall(open(p).read()) for p in sys.argv[1:3])
bad = len(old) != len(new)
for a, b in zip(old, new):
    if a[4] != b[4] or any(abs(float(x) - float(y)) > 0.05 for x, y in zip(a[:4], b[:4])):
        bad = True
        print(f"DIFFERS: {sys.argv[3]}, text {a} / {b}")
        break
print(f"{sys.argv[3]}: {len(old)} words, " + ("positions differ" if bad else "same words within 0.05 pt"))
sys.exit(1 if bad else 0)
PY
  echo "$name: $pages pages compared"
}
pdf sample "$work/sample.mrb" 100
pdf labels3000 "$work/print.mrb" 50

echo "old: $old_cli"
echo "new: $new_cli"
if [ "$failures" -gt 0 ]; then
  echo "$failures outputs differ"
  exit 1
fi
echo "every output is the same"
