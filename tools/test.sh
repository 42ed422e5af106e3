#!/usr/bin/env bash
# Builds Quendal with its tests and runs every test headless: core, widgets (offscreen),
# the end-to-end run of the real program under Xvfb and the installed tree.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quendal_install_packages "${QUENDAL_BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick \
  poppler-utils desktop-file-utils appstream man-db
quendal_build -DQUENDAL_BUILD_TESTS=ON
cd "$QUENDAL_BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
