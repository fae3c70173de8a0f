#!/usr/bin/env bash
# Installs the Debian packages Mirn needs to build, test and run.
# Both ./run.sh and ./test.sh call this; it asks apt only when something is missing,
# so a second call costs one dpkg query.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev
  # libraries
  libsqlite3-dev sqlite3 libboost-dev libpugixml-dev nlohmann-json3-dev libssl-dev
  libxlsxwriter-dev libgsf-1-dev libcurl4-openssl-dev libcups2-dev zlib1g-dev
  qt6-base-dev qt6-svg-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fonts: Liberation Sans is metric-compatible with Arial
  fonts-liberation2 fontconfig
  # the user guide is rendered to HTML at build time
  python3-markdown
  # tools the tests drive: headless display, PDF and spreadsheet readers, a private spooler
  xvfb xauth x11-utils poppler-utils python3-openpyxl python3-xlrd
  cups-daemon cups-client printer-driver-cups-pdf
  # the peer the print benchmark compares with (bench/bench_print.sh)
  glabels dbus
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -q '^installed$' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
