#!/usr/bin/env bash
# Unpacks the built Debian package into a scratch root (dpkg -x) and checks that every piece
# a desktop and a shell need is in it and sound: the programs (which run from the scratch
# root), the menu entry, the AppStream metadata, the icons at every size, the manual pages,
# the completion, the MIME type and the thumbnailer.
#   tests/package/check-package.sh build/package/mirn_VERSION_ARCH.deb
# Prints one line per check and "N passed, N failed"; exits 1 when a check failed.
set -uo pipefail
deb=${1:?usage: check-package.sh PACKAGE.deb}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

# shellcheck source=tests/package/checks.sh
. "$(dirname "$0")/checks.sh"
exists() { [ -s "$root/$1" ]; }
share=$root/usr/share

check "package name and version" test "$(dpkg-deb -f "$deb" Package)" = mirn
check "depends on the CUPS client, fonts, Qt's Wayland and SVG plugins" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q cups-client && dpkg-deb -f '$deb' Depends | grep -q fonts-liberation2 &&
           dpkg-deb -f '$deb' Depends | grep -q qt6-wayland && dpkg-deb -f '$deb' Depends | grep -q libqt6svg6"
for program in mirn mirn-cli; do
  check "$program is an executable" test -x "$root/usr/bin/$program"
done
check "mirn-cli runs from the package" bash -c "'$root/usr/bin/mirn-cli' --version | grep -q '^mirn-cli '"
check "mirn --help runs without a display" env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/mirn" --help
check "layouts" bash -c "ls '$share'/mirn/ddf/*.ddf"
check "the sample database" bash -c "ls '$share'/mirn/samples/*.mrb"
check "the user guide" grep -q '<html lang="en">' "$share/mirn/user-guide.html"
# The translated guides the program opens in German and French (the translation of
# "user-guide.html" names them).
for language in de fr; do
  check "the user guide in $language" grep -q "<html lang=\"$language\">" "$share/mirn/user-guide.$language.html"
done
check "menu entry" desktop-file-validate "$share/applications/io.github.mirn.mirn.desktop"
check "menu entry opens label databases" grep -qx 'MimeType=application/x-mirn-label-database;' \
  "$share/applications/io.github.mirn.mirn.desktop"
check "AppStream metadata" appstreamcli validate --no-net --pedantic "$share/metainfo/io.github.mirn.mirn.metainfo.xml"
check "scalable icon" exists usr/share/icons/hicolor/scalable/apps/mirn.svg
for size in 16 22 24 32 48 64 128 256; do
  check "icon ${size}x${size}" png_size "$share/icons/hicolor/${size}x${size}/apps/mirn.png" "$size"
done
check "MIME type" grep -q 'glob pattern="\*.mrb"' "$share/mime/packages/mirn.xml"
check "thumbnailer" grep -qx 'Exec=mirn-cli thumbnail %i %o %s --no-cache' "$share/thumbnailers/mirn.thumbnailer"
# The packaged mirn-cli draws the packaged sample's first label with the packaged layouts.
sample=$(ls "$share"/mirn/samples/*.mrb 2>/dev/null | head -n 1)
check "the thumbnailer draws the sample database" \
  env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/mirn-cli" thumbnail "$sample" "$scratch/thumbnail.png" 128 --no-cache
check "the thumbnail is a PNG whose longer side is 128 pixels" png_fits "$scratch/thumbnail.png" 128
for page in mirn mirn-cli; do
  check "manual page $page(1)" bash -c "zcat '$share/man/man1/$page.1.gz' | grep -q '^\.TH ${page^^} 1'"
  check "manual page $page(1) in German" bash -c "zcat '$share/man/de/man1/$page.1.gz' | grep -q '^\.SH BESCHREIBUNG'"
  check "manual page $page(1) in French" bash -c "zcat '$share/man/fr/man1/$page.1.gz' | grep -q '^\.SH DESCRIPTION'"
done
# The command part of the translated pages is the translated reference (print --calibration's row).
check "mirn-cli(1) in German describes the commands in German" \
  bash -c "zcat '$share/man/de/man1/mirn-cli.1.gz' | grep -q 'Fadenkreuzen'"
check "mirn-cli(1) in French describes the commands in French" \
  bash -c "zcat '$share/man/fr/man1/mirn-cli.1.gz' | grep -qw 'mires'"
every_command_in_page() {  # the page has an entry ".B mirn-cli COMMAND ..." for each command
  local page c
  page=$(zcat "$share/man/man1/mirn-cli.1.gz")
  for c in $(LANGUAGE=en LC_ALL=C.UTF-8 "$root/usr/bin/mirn-cli" --help | sed -n '/^commands:/,/^$/{/^  [a-z]/p}' | awk '{print $1}'); do
    grep -qF ".B mirn\\-cli ${c//-/\\-}" <<<"$page" || return 1
  done
}
check "mirn-cli(1) describes every command" every_command_in_page
check "bash completion" bash -c "source '$share/bash-completion/completions/mirn-cli' && complete -p mirn-cli"
check "copyright names the licence" grep -q '^License: GPL-3+' "$root/usr/share/doc/mirn/copyright"
check "nothing outside /usr" bash -c "[ -z \"\$(ls '$root' | grep -vx usr)\" ]"

checks_summary
