#!/usr/bin/env bash
# Installs what is missing, builds Mirn (Release) and runs it: the desktop program when a
# display is available; otherwise the batch tool, which prints the sample database to
# sample-labels.pdf.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh release
bin=build/release/bin
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/mirn" "$@"
fi
"$bin/mirn-cli" --version
# Without a display, print the sample database that the build made to a PDF beside this script.
out="$(pwd)/sample-labels.pdf"
"$bin/mirn-cli" print "$bin/samples/sample-labels.mrb" --pdf "$out" --yes
echo "The sample labels are in $out"
echo "No display here: start the desktop program with $bin/mirn on a desktop (or under xvfb-run)."
