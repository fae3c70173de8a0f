#!/usr/bin/env bash
# `mirn-cli print` of 3,000 labels to PDF against gLabels' glabels-3-batch printing the same
# sheet (30 up) and texts, as whole processes in turns. Prints how many times as fast Mirn is.
#   bench/print_speed.sh [RUNS, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
./scripts/install-deps.sh glabels dbus-daemon
source bench/common.sh
build_release mirn-cli
scratch_setup
make_print_job 3000
export -f peer_print
export work
python3 bench/abtime.py -n "$runs" --speedup-goal 12 \
  --label "mirn-cli print (A) vs glabels-3-batch (B), 3,000 labels to PDF" -- \
  "$bin/mirn-cli" print "$work/bench.mrb" --pdf "$work/mirn.pdf" --paper letter --yes \
  --vs bash -c 'peer_print "$work/peer.pdf"'
