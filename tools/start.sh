#!/usr/bin/env bash
# Builds Quendal and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quendal_install_packages "${QUENDAL_BUILD_PACKAGES[@]}"
quendal_build -DQUENDAL_BUILD_TESTS=OFF -DQUENDAL_BUILD_BENCHMARKS=OFF
exec "$QUENDAL_BUILD_DIR/app/quendal" "$@"
