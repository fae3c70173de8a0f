#!/usr/bin/env bash
# Installs the built package on a fresh Debian 12 as a person would, uses it, and removes it:
#   scripts/install-check.sh [PACKAGE.deb]     as root; PACKAGE defaults to build/package/mirn_*.deb
# A minbase Debian 12 is made with debootstrap in $MIRN_INSTALL_ROOT (default
# /var/tmp/mirn-install, removed first; apt uses this machine's Debian archive). Inside it:
#   1. `apt install ./mirn_*.deb` on the bare system (with the recommended packages, as apt
#      does by default; services are not started), then the programs run: `mirn --version`,
#      `mirn-cli --help`, every library found, the thumbnailer's command on the sample database;
#   2. the pieces a desktop has anyway (manual pages, bash completion, the MIME and menu
#      databases, the icon theme, an X server) are added, and their triggers take in Mirn's
#      files: `man mirn-cli`, Tab after `mirn-cli`, the MIME type and the menu entry for
#      label databases, and `mirn` started on a virtual display, on X11 and on Wayland
#      (weston), screenshots kept;
#   3. `apt remove mirn` leaves none of its files and no trace in those databases.
# One line per check, "N passed, N failed", exit 1 when a check failed. The log, the
# thumbnail and the screenshot go to build/install-check/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
deb=${1:-$(ls build/package/mirn_*.deb 2>/dev/null | head -n 1)}
[ -f "$deb" ] || { echo "install-check.sh: no package; build it with scripts/package.sh" >&2; exit 2; }
root=${MIRN_INSTALL_ROOT:-/var/tmp/mirn-install}
out=$repo/build/install-check
log=$out/install-check.log
rm -rf "$out"
mkdir -p "$out"
: >"$log"

# shellcheck source=scripts/lib/debian-root.sh
. scripts/lib/debian-root.sh
# shellcheck source=tests/package/checks.sh
. tests/package/checks.sh

# The screen of a virtual X server (XWD, 24 bits in 32) as PNG.
xwd_to_png() {
  python3 - "$1" "$2" <<'PYTHON'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", data[:100])
header_size, width, height, byte_order, bpp, line, ncolors = h[0], h[4], h[5], h[7], h[11], h[12], h[19]
if bpp != 32:
    sys.exit(f"{sys.argv[1]}: {bpp} bits per pixel, expected 32")
pixels = data[header_size + 12 * ncolors:]
rows = []
for y in range(height):
    row = pixels[y * line:y * line + 4 * width]
    # LSB first: blue, green, red, pad
    b, g, r = (row[0::4], row[1::4], row[2::4]) if byte_order == 0 else (row[3::4], row[2::4], row[1::4])
    rgb = bytearray(3 * width)
    rgb[0::3], rgb[1::3], rgb[2::3] = r, g, b
    rows.append(b"\0" + bytes(rgb))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
PYTHON
}

start=$SECONDS
echo "Making a minbase Debian 12 in $root (log: $log)"
debian_root_make "$root" "$log"
echo "  made in $((SECONDS - start)) s"
# As in a container: packages do not start their services here.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
cp "$deb" "$root/tmp/"
DEBIAN_ROOT_ENV=(DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8)
inside() { debian_root_run "$root" "$1" 2>>"$log"; }
logged() { echo "== $1" >>"$log"; debian_root_run "$root" "$1" >>"$log" 2>&1; }

echo "1. apt install ./$(basename "$deb")"
logged "apt-get update"
start=$SECONDS
check "apt install ./$(basename "$deb") on a bare Debian 12" logged "cd /tmp && apt-get install -y ./$(basename "$deb")"
echo "  installed in $((SECONDS - start)) s"
inside "apt-get install -y --simulate ./tmp/$(basename "$deb") >/dev/null; dpkg-query -W -f='\${Installed-Size} KiB installed\n' mirn"
inside "dpkg -L mirn" >"$out/files.txt"
check "the user guide in English, German and French" \
  bash -c "grep -qx /usr/share/mirn/user-guide.html '$out/files.txt' && grep -qx /usr/share/mirn/user-guide.de.html '$out/files.txt' &&
           grep -qx /usr/share/mirn/user-guide.fr.html '$out/files.txt'"
check "mirn --version" inside "mirn --version | grep -q '^mirn [0-9]'"
check "mirn --help without a display" inside "mirn --help | grep -q -- --version"
check "mirn-cli --help lists the commands" inside "mirn-cli --help | grep -q '^commands:'"
check "every library of both programs is found" inside "! ldd /usr/bin/mirn /usr/bin/mirn-cli | grep -q 'not found'"
# The thumbnailer's own command, with the placeholders a file manager fills in.
sample=$(inside "ls /usr/share/mirn/samples/*.mrb | head -n 1")
thumbnail_command=$(inside "sed -n 's/^Exec=//p' /usr/share/thumbnailers/mirn.thumbnailer")
thumbnail_command=${thumbnail_command//%i/$sample}
thumbnail_command=${thumbnail_command//%o//tmp/thumbnail.png}
thumbnail_command=${thumbnail_command//%s/256}
check "thumbnailer: $thumbnail_command" inside "cd /tmp && $thumbnail_command"
cp "$root/tmp/thumbnail.png" "$out/" 2>/dev/null || true
check "the thumbnail is a PNG of at most 256 pixels" png_fits "$out/thumbnail.png" 256

echo "2. with a desktop's own pieces"
check "man-db, bash-completion, the MIME and menu databases, the icon theme and an X server install" \
  logged "apt-get install -y --no-install-recommends man-db bash-completion shared-mime-info desktop-file-utils hicolor-icon-theme gtk-update-icon-cache xvfb xauth x11-utils"
check "man mirn-cli" inside "MANPAGER=cat man mirn-cli 2>/dev/null | grep -q '^NAME'"
check "man mirn" inside "MANPAGER=cat man mirn 2>/dev/null | grep -q '^NAME'"
inside "MANPAGER=cat MANWIDTH=80 man mirn-cli 2>/dev/null" >"$out/man-mirn-cli.txt" || true
# Tab after "mirn-cli " and after "mirn-cli th", as bash-completion loads it on demand.
complete_words() {
  inside ". /usr/share/bash-completion/bash_completion
          _completion_loader mirn-cli
          function=\$(complete -p mirn-cli | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
          COMP_WORDS=(mirn-cli $1); COMP_CWORD=\${#COMP_WORDS[@]}; COMP_WORDS+=('$2'); COMP_LINE='mirn-cli $1 $2'
          COMP_POINT=\${#COMP_LINE}; COMPREPLY=()
          \$function mirn-cli '$2' mirn-cli
          printf '%s\n' \"\${COMPREPLY[@]}\""
}
completes_to() { [ "$(complete_words "$1" "$2" | tr '\n' ' ')" = "$3 " ]; }
complete_words "" "" >"$out/completion.txt" || true
check "Tab after 'mirn-cli ' offers its commands" grep -qx render "$out/completion.txt"
check "Tab after 'mirn-cli th' completes 'thumbnail'" completes_to "" th thumbnail
check "Tab after 'mirn-cli render --' offers its options" bash -c "grep -q '^--' <<<'$(complete_words render -- 2>/dev/null)'"
check "a .mrb file has Mirn's MIME type" inside "test -f /usr/share/mime/application/x-mirn-label-database.xml"
check "label databases open in Mirn (menu database)" \
  inside "grep -q '^application/x-mirn-label-database=.*io.github.mirn.mirn.desktop' /usr/share/applications/mimeinfo.cache"
check "the menu entry is valid" inside "desktop-file-validate /usr/share/applications/io.github.mirn.mirn.desktop"
check "the icon theme's cache holds Mirn's icon" inside "grep -q mirn /usr/share/icons/hicolor/icon-theme.cache"

# The window on a virtual display; the server keeps its screen in a file (XWD) to copy out. The
# chroot shares this machine's processes and abstract sockets, so the display number is one
# that no server here uses, and every process started inside is stopped by its own id.
display=$(for n in $(seq 70 99); do grep -q "/tmp/.X11-unix/X$n\$" /proc/net/unix || { echo "$n"; break; }; done)
started() { inside "cd /tmp && ($2 >/tmp/$1.log 2>&1 & echo \$! >/tmp/$1.pid)"; }
stop() { inside "kill \$(cat /tmp/$1.pid) 2>/dev/null; sleep 1"; }
started xvfb "Xvfb :$display -screen 0 1280x800x24 -fbdir /tmp -nolisten tcp"
sleep 2
started mirn "env DISPLAY=:$display mirn '$sample'"
for _ in $(seq 1 30); do
  inside "DISPLAY=:$display xwininfo -root -tree | grep -q '\"Mirn'" 2>/dev/null && break
  sleep 1
done
sleep 3
check "mirn shows its window on X11" inside "DISPLAY=:$display xwininfo -root -tree | grep '\"Mirn' >&2"
check "mirn is still running" inside "kill -0 \$(cat /tmp/mirn.pid)"
xwd_to_png "$root/tmp/Xvfb_screen0" "$out/mirn-window.png" || echo "  (no screenshot: the X server kept no screen)"
stop mirn
if [ -s "$root/tmp/mirn.log" ]; then
  echo "  mirn's output on its terminal:"
  sed 's/^/    /' "$root/tmp/mirn.log"
fi

# The same on Wayland: weston on that display (its X11 backend has a seat, as a desktop's
# compositor does) and mirn on weston.
check "weston installs" logged "apt-get install -y --no-install-recommends weston"
inside "mkdir -p -m 700 /tmp/xdg"
started weston "env DISPLAY=:$display XDG_RUNTIME_DIR=/tmp/xdg weston --backend=x11-backend.so --use-pixman --width=1200 --height=760 --socket=mirn-check --idle-time=0"
for _ in $(seq 1 50); do
  [ -S "$root/tmp/xdg/mirn-check" ] && break
  sleep 0.2
done
started mirn-wayland "env XDG_RUNTIME_DIR=/tmp/xdg WAYLAND_DISPLAY=mirn-check QT_QPA_PLATFORM=wayland mirn '$sample'"
sleep 8
check "mirn runs on Wayland" inside "kill -0 \$(cat /tmp/mirn-wayland.pid)"
xwd_to_png "$root/tmp/Xvfb_screen0" "$out/mirn-wayland.png" || echo "  (no screenshot: the X server kept no screen)"
stop mirn-wayland
if [ -s "$root/tmp/mirn-wayland.log" ]; then
  echo "  mirn's output on Wayland:"
  sed 's/^/    /' "$root/tmp/mirn-wayland.log"
fi
stop weston
stop xvfb

echo "3. apt remove mirn"
check "apt remove mirn" logged "apt-get remove -y mirn"
# It has no configuration files, so removing it leaves nothing for a purge.
check "dpkg keeps nothing of it" \
  inside "status=\$(dpkg-query -W -f='\${db:Status-Status}' mirn 2>/dev/null); [ -z \"\$status\" ] || [ \"\$status\" = not-installed ]"
check "none of its files is left" inside "dpkg -L mirn >/dev/null 2>&1 && exit 1
  while read -r f; do [ -d \"\$f\" ] || [ ! -e \"\$f\" ] || { echo \"left: \$f\" >&2; exit 1; }; done" <"$out/files.txt"
check "its folders are gone" inside "! [ -e /usr/share/mirn ] && ! [ -e /usr/share/doc/mirn ]"
check "the MIME database no longer knows label databases" inside "! test -e /usr/share/mime/application/x-mirn-label-database.xml"
check "the menu database no longer names Mirn" inside "! grep -q mirn /usr/share/applications/mimeinfo.cache"
check "the icon theme's cache no longer holds Mirn's icon" inside "! grep -q mirn /usr/share/icons/hicolor/icon-theme.cache"

echo "(thumbnail, screenshot, manual page and log in ${out#"$repo"/})"
checks_summary
