#!/usr/bin/env bash
# Installs the Debian packages Mirn needs to build, run and test, plus any packages named
# on the command line (the fuzzing and benchmark scripts name their own tools):
#   scripts/install-deps.sh [EXTRA-PACKAGE...]
# ./run.sh and ./test.sh call it; it asks apt only when something is missing, so a second
# call costs one dpkg query. apt's own output goes to a log file; the terminal gets a few
# summary lines, and the log's last lines when apt fails.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config
  # libraries
  libsqlite3-dev libboost-dev libpugixml-dev nlohmann-json3-dev libssl-dev
  libxlsxwriter-dev libzip-dev libcurl4-openssl-dev libcups2-dev zlib1g-dev
  qt6-base-dev qt6-svg-dev
  # the user guide is rendered to HTML at build time
  python3-markdown
  # tests, and the benchmarks that the debug and release builds compile
  libgtest-dev libgmock-dev libbenchmark-dev
  # fonts: Liberation Sans is metric-compatible with Arial
  fonts-liberation2 fontconfig
  # tools the tests drive: headless display, PDF and spreadsheet readers, a private spooler
  xvfb xauth x11-utils poppler-utils python3-openpyxl python3-xlrd
  cups-daemon cups-client printer-driver-cups-pdf
  # the HTTPS client trusts the system's certificate authorities; its tests make their own
  # certificates with the openssl tool
  ca-certificates openssl
  # a private session bus for the desktop-notification tests
  dbus-daemon
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -q '^installed$' || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

log=${MIRN_DEPS_LOG:-$PWD/build/install-deps.log}
mkdir -p "$(dirname "$log")"
echo "Installing from Debian: ${missing[*]}"
echo "(apt's output goes to $log)"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
start=$SECONDS
{
  echo "== $(date -u '+%F %T') apt-get update"
  $SUDO apt-get update
  echo "== apt-get install ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
} >"$log" 2>&1 || {
  status=$?
  echo "apt failed (exit $status); the end of $log:" >&2
  tail -n 20 "$log" >&2
  exit "$status"
}
installed=$(grep -c '^Setting up ' "$log" || true)
echo "Installed ${installed} packages (with their dependencies) in $((SECONDS - start)) s."
if grep -q 'cups-daemon' <<<"${missing[*]}"; then
  echo "Note: cups-daemon starts the system print service (cupsd); the tests run a private one of their own."
fi
