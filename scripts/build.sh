#!/usr/bin/env bash
# Configures and builds one flavour of the tree:
#   scripts/build.sh debug|release|sanitize [cmake --build arguments...]
#   MIRN_WERROR=ON scripts/build.sh ...   the same with compiler warnings as errors
# Build folders: build/debug, build/release, build/sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:?usage: scripts/build.sh debug|release|sanitize}
shift
case "$flavour" in
  debug) type=Debug; extra=() ;;
  release) type=Release; extra=(-DMIRN_BUILD_TESTS=OFF) ;;
  sanitize) type=Debug; extra=(-DMIRN_SANITIZE=ON -DMIRN_BUILD_BENCH=OFF) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
# MIRN_WERROR=ON in the environment makes warnings errors (CI sets it); a build folder
# configured the other way is configured again.
werror=${MIRN_WERROR:-OFF}
dir=build/$flavour
# The release build compiles with the Debian package's flags (debian/rules names them), so
# that scripts/package.sh, which builds in a copy of the tree, finds its objects in the
# compiler cache instead of compiling everything again.
if [ "$flavour" = release ]; then
  while read -r name value; do
    export "$name=$value"
  done < <(sed -n 's/^export \(DEB_[A-Z_]*\) = \(.*\)$/\1 \2/p' debian/rules)
  flag() { dpkg-buildflags --get "$1"; }
  # CPPFLAGS appended as debhelper does for CMake, which does not read them.
  extra+=("-DCMAKE_C_FLAGS=$(flag CFLAGS) $(flag CPPFLAGS)" "-DCMAKE_CXX_FLAGS=$(flag CXXFLAGS) $(flag CPPFLAGS)"
          "-DCMAKE_EXE_LINKER_FLAGS=$(flag LDFLAGS)" "-DCMAKE_SHARED_LINKER_FLAGS=$(flag LDFLAGS)")
  # debhelper compiles with LC_ALL=C.UTF-8, and ccache counts the locale in its hash.
  export LC_ALL=C.UTF-8
fi
wanted_flags=$(printf '%s\n' "${extra[@]}" | sed -n 's/^-DCMAKE_CXX_FLAGS=//p')
if [ ! -f "$dir/build.ninja" ] || ! grep -qx "MIRN_WERROR:BOOL=$werror" "$dir/CMakeCache.txt" 2>/dev/null ||
   ! grep -qxF "CMAKE_CXX_FLAGS:STRING=$wanted_flags" "$dir/CMakeCache.txt"; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DMIRN_WERROR="$werror" "${extra[@]}" >/dev/null
fi
# ccache takes paths inside the tree as relative ones and leaves the build folder out of its
# hash, so builds in other worktrees or clones, and the package build in its copy of the
# tree, find each other's objects.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
jobs=${MIRN_JOBS:-$(nproc)}
cmake --build "$dir" -j"$jobs" "$@"
