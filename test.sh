#!/usr/bin/env bash
# Installs what is missing, builds Mirn (Debug) and runs every test through ctest.
#   ./test.sh             the debug build
#   ./test.sh --sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer
# Extra arguments go to ctest (for example -R db to run some tests).
set -euo pipefail
cd "$(dirname "$0")"
flavour=debug
if [ "${1:-}" = "--sanitize" ]; then
  flavour=sanitize
  shift
fi
./scripts/install-deps.sh
./scripts/build.sh "$flavour"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
cd "build/$flavour"
ctest --output-on-failure -j"$(nproc)" --timeout 600 "$@"
