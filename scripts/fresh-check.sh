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

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-check.sh: run it as root (debootstrap and chroot need it)" >&2
  exit 2
fi
command -v debootstrap >/dev/null || {
  apt-get update >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap >/dev/null
}

# The Debian archive this machine's apt uses (deb822 or one-line sources).
mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)[[:space:]]*$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
  mirror=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ {print $2; exit}' /etc/apt/sources.list)
fi
[ -n "$mirror" ] || { echo "fresh-check.sh: no Debian archive found in this machine's apt sources" >&2; exit 2; }

mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

start=$SECONDS
log=$repo/build/fresh-check.log
mkdir -p "$(dirname "$log")"
: >"$log"
echo "Making a minbase Debian 12 in $root (log: $log)"
rm -rf "$root"
debootstrap --variant=minbase --include=git,ca-certificates bookworm "$root" "$mirror" >>"$log" 2>&1
# apt inside sees the archive as this machine does (updates and security too).
if ls /etc/apt/sources.list.d/*.sources >/dev/null 2>&1; then
  cp /etc/apt/sources.list.d/*.sources "$root/etc/apt/sources.list.d/"
  rm -f "$root/etc/apt/sources.list"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

for m in proc sys dev dev/pts; do
  mkdir -p "$root/$m"
  case "$m" in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sys "$root/sys" ;;
    *) mount --bind "/$m" "$root/$m" ;;
  esac
  mounted+=("$root/$m")
done
mount -t tmpfs tmpfs "$root/tmp"
mounted+=("$root/tmp")

echo "Cloning $branch"
git clone --quiet --branch "$branch" --single-branch "$repo" "$root/root/mirn"

run_inside() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    TERM=dumb /bin/bash -c "cd /root/mirn && $1"
}
status=0
echo "== ./run.sh" | tee -a "$log"
run_inside ./run.sh 2>&1 | tee -a "$log" | tail -n 5 || status=1
[ -s "$root/root/mirn/sample-labels.pdf" ] || { echo "run.sh made no sample-labels.pdf" | tee -a "$log"; status=1; }
echo "== ./test.sh" | tee -a "$log"
run_inside ./test.sh >>"$log" 2>&1 || status=1
grep -E 'tests passed|tests failed|The following tests' -A 30 "$log" | tail -n 40
echo "fresh-check: $([ $status -eq 0 ] && echo passed || echo FAILED) in $(((SECONDS - start) / 60)) min"
exit $status
