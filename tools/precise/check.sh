#!/usr/bin/env bash
# Measures the precise positions against the Swiss Ephemeris called directly, the Lahiri
# formula against the library's ayanamsha, and the analytic fall-back.
#   bash tools/precise/check.sh [BUILD_DIR] [BIRTHS]
set -euo pipefail
build="${1:-build}"
cmake --build "$build" --target check_precise
"$build/tools/precise/check_precise" "${2:-5000}"
