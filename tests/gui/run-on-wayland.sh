#!/usr/bin/env bash
# Runs a command on Wayland: weston on a private socket, the command with
# QT_QPA_PLATFORM=wayland, then weston is stopped. Exit status 77 (skipped) when weston or
# Qt's Wayland plugin is not installed.
#   tests/gui/run-on-wayland.sh COMMAND [ARGUMENTS...]
# weston runs on its X11 backend inside a virtual X display rather than on its headless
# backend: the headless one offers no seat, and Qt 6.4's Wayland plugin then crashes in every
# line edit's paint (QWaylandInputContext asks the missing seat for its text input). Every
# desktop compositor offers a seat, and with one the same dialogs work, so this is what a
# person's desktop is like.
set -u
if ! command -v weston >/dev/null; then
  echo "weston is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "Qt's Wayland platform plugin is not installed (qt6-wayland)"
  exit 77
fi
if [ -z "${MIRN_WAYLAND_UNDER_X:-}" ]; then
  MIRN_WAYLAND_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=mirn-test-$$
weston --backend=x11-backend.so --width=1200 --height=900 --socket="$socket" --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 1 100); do
  [ -S "$runtime/$socket" ] && break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:"
  cat "$runtime/weston.log"
  kill "$weston" 2>/dev/null
  exit 1
fi
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
status=$?
kill "$weston"
wait "$weston" 2>/dev/null
exit "$status"
