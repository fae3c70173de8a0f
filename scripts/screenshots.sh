#!/usr/bin/env bash
# Makes the screenshots of the AppStream metadata (data/screenshots) from the real program
# under a virtual display, with the sample database in a private home:
#   scripts/screenshots.sh [BUILD-FOLDER]     default: build/release
#   main-window.png    the sample database open in the main window
#   key-strip.png      the last extension's label, a desk telephone's key strip
# Installs ImageMagick and xdotool when missing. Check the pictures before committing them,
# and keep their sizes in data/desktop/io.github.mirn.mirn.metainfo.xml.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh imagemagick xdotool
bin=$(realpath "${1:-build/release}/bin")
out=$PWD/data/screenshots
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$bin/samples/sample-labels.mrb" "$home/office.mrb"

# Without a window manager the window is placed and sized here, to fill the screen.
xvfb-run -a -s "-screen 0 1024x700x24" env -u QT_QPA_PLATFORM HOME="$home" \
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
  TMPDIR="$home" BIN="$bin" OUT="$out" bash -c '
  set -euo pipefail
  cd "$HOME"
  "$BIN/mirn" office.mrb >/dev/null 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 1 80); do
    window=$(xdotool search --name "office.mrb" 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.25
  done
  [ -n "$window" ] || { echo "the main window did not appear" >&2; kill $pid; exit 1; }
  xdotool windowmove "$window" 0 0 windowsize "$window" 1024 700
  sleep 2
  import -window root "$OUT/main-window.png"
  # The last row in view is a Corvane key strip in the sample database.
  xdotool mousemove 150 653 click 1
  sleep 2
  import -window root "$OUT/key-strip.png"
  kill $pid
  wait $pid 2>/dev/null || true'
for f in "$out"/*.png; do
  echo "$f: $(identify -format "%wx%h" "$f")"
done
