#!/usr/bin/env bash
# `mirn-cli list` of 100,000 extensions against the sqlite3 shell selecting the same rows
# from the same file, as whole processes in turns. Prints both medians and the ratio.
#   bench/list_cli.sh [RUNS, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
./scripts/install-deps.sh sqlite3
source bench/common.sh
build_release mirn-cli
scratch_setup
make_database 100000 "$work/big.mrb"
echo "database: 100,000 extensions, $(( $(stat -c %s "$work/big.mrb") / 1048576 )) MiB"
python3 bench/abtime.py -n "$runs" --label "mirn-cli list (A) vs sqlite3 (B), 100,000 extensions" --goal 2 -- \
  "$bin/mirn-cli" list "$work/big.mrb" \
  --vs sqlite3 -readonly "$work/big.mrb" "SELECT id, typecode, name, modified FROM extension ORDER BY id"
