#!/usr/bin/env bash
# Builds the Debian package in a clean copy of the tree and checks it with lintian:
#   scripts/package.sh     -> build/package/mirn_VERSION_ARCH.deb and mirn-dbgsym_...deb
# The copy holds the files git knows (committed or not, no build folders). The packaging
# tools (debhelper, lintian) are among the packages scripts/install-deps.sh installs. The
# flags are named in debian/rules and the release build (scripts/build.sh release) compiles
# with the same ones, so after it the package build finds its objects in the compiler cache.
# lintian must report no error and no warning; debian/mirn.lintian-overrides gives the reason
# for each tag it silences. MIRN_WERROR=ON builds with warnings as errors, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
./scripts/install-deps.sh

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
out=build/package
copy=$out/mirn-$version
rm -rf "$out"
mkdir -p "$copy"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -xf - -C "$copy"

# debhelper points HOME elsewhere, where ccache would find neither the user's cache nor its
# size limit, so both are named here, with the tree as the base folder that ccache makes
# paths relative to and the build folder left out of the hash, as scripts/build.sh does: the
# copy's build/deb then compiles as the release build did.
if command -v ccache >/dev/null; then
  export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)} CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-$(ccache -k max_size)}
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
  # This build's own hits and misses (the cache's counters are shared with other builds).
  export CCACHE_STATSLOG=$root/$out/ccache-stats.log
fi
log=$root/$out/build.log
echo "Building the package in $copy (log: $log)"
start=$SECONDS
(cd "$copy" && DEB_BUILD_OPTIONS="parallel=${MIRN_JOBS:-$(nproc)} nocheck" MIRN_WERROR=${MIRN_WERROR:-OFF} \
  dpkg-buildpackage -us -uc -b) >"$log" 2>&1 || {
  status=$?
  echo "dpkg-buildpackage failed (exit $status); the end of $log:" >&2
  tail -n 40 "$log" >&2
  exit "$status"
}
echo "Package built in $((SECONDS - start)) s."
if command -v ccache >/dev/null; then
  ccache --show-log-stats | grep -E '^ *(Hits|Misses):' | sed 's/^ */compiler cache: /'
fi

changes=$(ls "$out"/mirn_"$version"_*.changes)
for deb in "$out"/*.deb; do
  echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
done
echo "lintian:"
# --fail-on error,warning makes either fail the script; info and pedantic tags are shown, not fatal.
lintian --fail-on error,warning --display-info --pedantic "$changes"
echo "lintian: no error and no warning."

# What a person gets: the files of the package, unpacked and checked.
tests/package/check-package.sh "$(ls "$out"/mirn_"$version"_*.deb)"
