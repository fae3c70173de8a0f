#!/usr/bin/env bash
# Installs the Debian packages Mirn needs to build, run and test, plus any packages named
# on the command line (the fuzzing and benchmark scripts name their own tools):
#   scripts/install-deps.sh [EXTRA-PACKAGE...]
#   scripts/install-deps.sh --list      prints the list, one package a line, and installs nothing
# ./run.sh and ./test.sh call it; it asks apt only when something is missing, so a second
# call costs one dpkg query. apt's own output goes to a log file; the terminal gets a few
# summary lines, and the log's last lines when apt fails.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config
  # the build makes the type-code conversions database with the sqlite3 program, and renders
  # the user guide with Python
  sqlite3 python3
  # libraries
  libsqlite3-dev libboost-dev libpugixml-dev nlohmann-json3-dev libssl-dev
  libxlsxwriter-dev libzip-dev libcurl4-openssl-dev libcups2-dev zlib1g-dev
  qt6-base-dev qt6-svg-dev
  # the translations: Qt Linguist's tools build them, Qt's own make its dialogs and buttons
  # speak the same language
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the user guide is rendered to HTML and the icons to PNG at build time; the completion
  # goes where bash-completion's pkg-config file says
  python3-markdown librsvg2-bin bash-completion
  # tests, and the benchmarks that the debug and release builds compile
  libgtest-dev libgmock-dev libbenchmark-dev
  # fonts: Liberation Sans is metric-compatible with Arial
  fonts-liberation2 fontconfig
  # tools the tests drive: headless display (and keys typed into it), PDF and spreadsheet
  # readers, a private spooler
  xvfb xauth x11-utils xdotool poppler-utils python3-openpyxl python3-xlrd
  # the fault tests hold a system call back or stop a process between two renames
  strace
  # the locales that the tests switch to (generated below when missing)
  locales
  cups-daemon cups-client printer-driver-cups-pdf
  # the HTTPS client trusts the system's certificate authorities; its tests make their own
  # certificates with the openssl tool
  ca-certificates openssl
  # a private session bus for the desktop-notification tests
  dbus-daemon
  # the windows on Wayland: a compositor and Qt's Wayland platform plugin
  weston qt6-wayland
  # the Debian package (scripts/package.sh, which CI runs): its build, lintian, and the
  # validators of the menu entry and the AppStream metadata that its test runs
  debhelper lintian desktop-file-utils appstream
)
if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi
packages+=("$@")

# Locales the tests switch to: measurement systems, paper sizes and decimal separators differ.
locales=(en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -q '^installed$' || missing+=("$p")
done
missing_locales=()
for l in "${locales[@]}"; do
  # locale -a spells them in lower case without the hyphen (en_US.utf8)
  want=$(printf '%s' "$l" | tr 'A-Z' 'a-z' | tr -d '-')
  locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d '-' | grep -qx "$want" || missing_locales+=("$l")
done
[ "${#missing[@]}" -eq 0 ] && [ "${#missing_locales[@]}" -eq 0 ] && exit 0

# Every run appends to the log, so the first big install's output is kept beside later ones.
log=${MIRN_DEPS_LOG:-$PWD/build/install-deps.log}
mkdir -p "$(dirname "$log")"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
start=$SECONDS
before=0
[ -f "$log" ] && before=$(wc -l <"$log")
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing from Debian: ${missing[*]}"
  echo "(apt's output goes to $log)"
  {
    echo "== $(date -u '+%F %T') apt-get update"
    $SUDO apt-get update
    echo "== $(date -u '+%F %T') apt-get install ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
  } >>"$log" 2>&1 || {
    status=$?
    echo "apt failed (exit $status); the end of $log:" >&2
    tail -n 20 "$log" >&2
    exit "$status"
  }
  installed=$(tail -n +"$((before + 1))" "$log" | grep -c '^Setting up ' || true)
  echo "Installed ${installed} packages (with their dependencies) in $((SECONDS - start)) s."
  if grep -q 'cups-daemon' <<<"${missing[*]}"; then
    echo "Note: cups-daemon starts the system print service (cupsd); the tests run a private one of their own."
  fi
fi
if [ "${#missing_locales[@]}" -gt 0 ]; then
  echo "Generating locales: ${missing_locales[*]}"
  {
    echo "== $(date -u '+%F %T') locale-gen ${missing_locales[*]}"
    for l in "${missing_locales[@]}"; do
      # /etc/locale.gen lists every supported locale commented out; enable ours.
      $SUDO sed -i "s/^# *\(${l//./\\.} UTF-8\)/\1/" /etc/locale.gen
      grep -q "^${l//./\\.} UTF-8" /etc/locale.gen || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    done
    $SUDO locale-gen
  } >>"$log" 2>&1 || {
    status=$?
    echo "locale-gen failed (exit $status); the end of $log:" >&2
    tail -n 20 "$log" >&2
    exit "$status"
  }
fi
