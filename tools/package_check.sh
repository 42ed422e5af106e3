#!/usr/bin/env bash
# Builds the Debian package and installs it the way a user would, with apt-get, into a fresh
# Debian 12 made by debootstrap in a throwaway folder; runs the installed quendal-chart there,
# then starts the installed quendal under Xvfb and drives it with tools/e2e_screenshot.sh
# (a birth typed into the form, the chart window, screenshots). Needs root and the network to
# deb.debian.org; takes a few minutes.
#   bash tools/package_check.sh [output folder]      (default: build/package_check)
# QUENDAL_DEBOOTSTRAP_CACHE keeps the downloaded base packages between runs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
[ "$(id -u)" -eq 0 ] || { echo "package_check.sh needs root (debootstrap, chroot)" >&2; exit 1; }
quendal_install_packages "${QUENDAL_BUILD_PACKAGES[@]}" dpkg-dev debootstrap xvfb xauth xdotool \
  imagemagick
out="${1:-$QUENDAL_BUILD_DIR/package_check}"
mkdir -p "$out" && out="$(realpath "$out")"
cache="${QUENDAL_DEBOOTSTRAP_CACHE:-/var/cache/quendal-debootstrap}"
mkdir -p "$cache"

quendal_build
(cd "$QUENDAL_BUILD_DIR" && rm -f quendal_*.deb && cpack -G DEB >/dev/null)
deb="$(ls "$QUENDAL_BUILD_DIR"/quendal_*.deb)"
echo "== package: $deb"
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb --contents "$deb" >"$out/contents.txt"

work="$(mktemp -d /var/tmp/quendal-package-check.XXXXXX)"
root="$work/root"
mounts=()
cleanup() {
  local mount_point i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    mount_point="${mounts[i]}"
    umount "$mount_point" 2>/dev/null || umount -l "$mount_point" || true
  done
  # Never delete through a mount that is still there: it would reach the host's files.
  for mount_point in "${mounts[@]}"; do
    if mountpoint -q "$mount_point"; then
      echo "still mounted, left in place: $work" >&2
      return
    fi
  done
  rm -rf "$work"
}
trap cleanup EXIT
bind() {  # bind <host path> <path inside the root>
  mkdir -p "$root$2"
  mount --bind "$1" "$root$2"
  mounts+=("$root$2")
}

echo "== debootstrap bookworm into $root"
start=$SECONDS
debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" http://deb.debian.org/debian \
  >"$out/debootstrap.log" 2>&1 || { tail -n 20 "$out/debootstrap.log" >&2; exit 1; }
echo "   $((SECONDS - start)) s"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mounts+=("$root/proc")

echo "== apt-get install ./$(basename "$deb") inside"
start=$SECONDS
cp "$deb" "$root/tmp/"
chroot "$root" apt-get update -q >"$out/apt.log" 2>&1
DEBIAN_FRONTEND=noninteractive chroot "$root" apt-get install -y -q "/tmp/$(basename "$deb")" \
  >>"$out/apt.log" 2>&1 || { tail -n 20 "$out/apt.log" >&2; exit 1; }
echo "   $((SECONDS - start)) s, $(grep -c '^Setting up' "$out/apt.log") packages set up"
chroot "$root" dpkg -L quendal >"$out/installed_files.txt"

echo "== the installed programs"
chroot "$root" quendal --version
chroot "$root" quendal-chart --version
chroot "$root" quendal-chart --date 1984-07-09 --time 05:40 --zone 34 --lat 18:31N \
  --lon 73:52E --name "Asha Rao" --city Pune >"$out/chart.txt"
grep -E "^(Sun|Moon) Sign" "$out/chart.txt"

# The X server runs outside; its socket folder is shared with the root.
[ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
bind /tmp/.X11-unix /tmp/.X11-unix
cat >"$work/quendal_in_root" <<EOF
#!/bin/sh
mkdir -p "$root/tmp/home"
exec chroot "$root" env -i PATH=/usr/bin:/bin DISPLAY="\$DISPLAY" HOME=/tmp/home \\
  XDG_CONFIG_HOME=/tmp/home/config QUENDAL_LOCK_DIR=/tmp/home/lock QT_QPA_PLATFORM=xcb \\
  QUENDAL_MESSAGES_TO_STDERR=1 /usr/bin/quendal
EOF
chmod +x "$work/quendal_in_root"
echo "== the installed quendal under Xvfb"
bash "$(dirname "${BASH_SOURCE[0]}")/e2e_screenshot.sh" "$work/quendal_in_root" "$out"
echo "== done: $out"
