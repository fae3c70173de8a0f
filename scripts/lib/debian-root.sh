# A minbase Debian 12 in a folder, for the checks that try the project on a fresh system
# (scripts/fresh-check.sh, scripts/install-check.sh). Sourced, as root:
#   debian_root_make ROOT LOG [debootstrap options...]   makes it (ROOT removed first), with
#       apt using the Debian archive of this machine's apt sources, and mounts /proc, /sys,
#       /dev, /dev/pts and a fresh /tmp into it; they are unmounted when the script exits
#   debian_root_run ROOT COMMAND                          runs a bash command inside, as root,
#       with a clean environment plus the variables named in DEBIAN_ROOT_ENV (NAME=VALUE...)
DEBIAN_ROOT_ENV=()
debian_root_mounted=()

debian_root_unmount() {
  local i
  for ((i = ${#debian_root_mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${debian_root_mounted[i]}" 2>/dev/null || true
  done
  debian_root_mounted=()
}

# The Debian archive this machine's apt uses (deb822 or one-line sources).
debian_root_mirror() {
  local mirror
  mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)[[:space:]]*$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
  if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
    mirror=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ {print $2; exit}' /etc/apt/sources.list)
  fi
  [ -n "$mirror" ] || { echo "no Debian archive found in this machine's apt sources" >&2; return 2; }
  printf '%s\n' "$mirror"
}

debian_root_make() {
  local root=$1 log=$2 mirror m
  shift 2
  if [ "$(id -u)" -ne 0 ]; then
    echo "$(basename "$0"): run it as root (debootstrap and chroot need it)" >&2
    return 2
  fi
  command -v debootstrap >/dev/null || {
    apt-get update >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap >/dev/null
  }
  mirror=$(debian_root_mirror) || return 2
  trap debian_root_unmount EXIT
  # Whatever an earlier, interrupted run left mounted there goes first, so that removing the
  # folder cannot reach into this machine's /dev.
  awk -v r="$root/" 'index($2, r) == 1 {print $2}' /proc/mounts | sort -r | xargs -r -n 1 umount -l
  rm -rf --one-file-system "$root"
  debootstrap --variant=minbase "$@" bookworm "$root" "$mirror" >>"$log" 2>&1 || {
    echo "debootstrap failed; the end of $log:" >&2
    tail -n 20 "$log" >&2
    return 1
  }
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
    debian_root_mounted+=("$root/$m")
  done
  mount -t tmpfs tmpfs "$root/tmp"
  debian_root_mounted+=("$root/tmp")
}

debian_root_run() {
  chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    TERM=dumb "${DEBIAN_ROOT_ENV[@]}" /bin/bash -c "$2"
}
