#!/usr/bin/env bash
# Shared by start.sh and test.sh: installs what a fresh Debian 12 machine lacks, then
# configures and builds into build/. Set QUENDAL_BUILD_DIR to build elsewhere.
set -euo pipefail

QUENDAL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUENDAL_BUILD_DIR="${QUENDAL_BUILD_DIR:-$QUENDAL_ROOT/build}"

quendal_install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

QUENDAL_BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev
  libbenchmark-dev fonts-dejavu-core libswe-dev swe-standard-data pkg-config tzdata
  qt6-l10n-tools qt6-translations-l10n fonts-noto-core)

quendal_build() {
  cmake -S "$QUENDAL_ROOT" -B "$QUENDAL_BUILD_DIR" -G Ninja "$@"
  cmake --build "$QUENDAL_BUILD_DIR" --parallel "$(nproc)"
}
