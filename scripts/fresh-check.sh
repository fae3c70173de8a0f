#!/usr/bin/env bash
# Tries the README's two commands where a new user meets them: on a fresh, minimal Debian 12.
# Builds a minbase Debian 12 with only git and ca-certificates in a folder (debootstrap), clones
# this repository's branch into it, and runs ./run.sh (without a display: it prints the sample
# to a PDF) and then ./test.sh inside it. Every package the project needs must be installed by
# its own scripts for this to pass.
#
#   scripts/fresh-check.sh [BRANCH]     as root; BRANCH defaults to main
#
# Run it whenever the set-up or the programs the build or the tests call change. It downloads
# and builds everything from nothing (no compiler cache), so it is far too slow for every CI
# run. The system is made in $MIRN_FRESH_ROOT (default /var/tmp/mirn-fresh), removed first;
# apt uses the same Debian archive as this machine's own apt sources.
set -euo pipefail
cd "$(dirname "$0")/.."
branch=${1:-main}
root=${MIRN_FRESH_ROOT:-/var/tmp/mirn-fresh}
repo=$PWD

# shellcheck source=scripts/lib/debian-root.sh
. scripts/lib/debian-root.sh

start=$SECONDS
log=$repo/build/fresh-check.log
mkdir -p "$(dirname "$log")"
: >"$log"
echo "Making a minbase Debian 12 in $root (log: $log)"
debian_root_make "$root" "$log" --include=git,ca-certificates

echo "Cloning $branch"
git clone --quiet --branch "$branch" --single-branch "$repo" "$root/root/mirn"

run_inside() { debian_root_run "$root" "cd /root/mirn && $1"; }
status=0
echo "== ./run.sh" | tee -a "$log"
run_inside ./run.sh 2>&1 | tee -a "$log" | tail -n 5 || status=1
[ -s "$root/root/mirn/sample-labels.pdf" ] || { echo "run.sh made no sample-labels.pdf" | tee -a "$log"; status=1; }
echo "== ./test.sh" | tee -a "$log"
run_inside ./test.sh >>"$log" 2>&1 || status=1
grep -E 'tests passed|tests failed|The following tests' -A 30 "$log" | tail -n 40
echo "fresh-check: $([ $status -eq 0 ] && echo passed || echo FAILED) in $(((SECONDS - start) / 60)) min"
exit $status
