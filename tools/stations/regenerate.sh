#!/usr/bin/env bash
# Rebuilds moon_retro/station_tables.cpp from the Swiss Ephemeris (Debian: libswe-dev and
# swe-standard-data). Run by hand; the normal build never needs the ephemeris.
#   bash tools/stations/regenerate.sh          regenerate the table source
#   bash tools/stations/regenerate.sh check    compare the committed table with the ephemeris
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
ephemeris="$(pkg-config --variable=ephedir swe 2>/dev/null || true)"
[ -d "$ephemeris" ] || ephemeris=/usr/share/libswe/ephe
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

compile() {
  g++ -std=c++20 -O2 -Wall -Wextra -o "$work/$1" "$here/$1.cpp" "$here/ephemeris.cpp" \
    $(pkg-config --cflags --libs swe)
}

if [ "${1:-}" = check ]; then
  shift
  compile check_stations
  exec "$work/check_stations" "$ephemeris" "$root/moon_retro/station_tables.cpp" "$@"
fi

compile generate_stations
"$work/generate_stations" "$ephemeris" "$work/station_tables.cpp"
clang-format --style=file:"$root/.clang-format" "$work/station_tables.cpp" \
  > "$root/moon_retro/station_tables.cpp"
echo "wrote moon_retro/station_tables.cpp"
