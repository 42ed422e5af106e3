#!/usr/bin/env bash
# Rebuilds resources/atlas.tsv from the GeoNames places of libgeonames (Debian:
# libgeonames-dev) and the other names of tools/atlas/alternate_names.tsv. Run by hand; the programs never need the library.
#   bash tools/atlas/regenerate.sh          regenerate the atlas
#   bash tools/atlas/regenerate.sh check    compare the committed atlas with the library
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O2 -Wall -Wextra -o "$work/generate_atlas" "$here/generate_atlas.cpp" \
  $(pkg-config --cflags --libs geonames)

if [ "${1:-}" = check ]; then
  exec "$work/generate_atlas" --check "$root/resources/atlas.tsv"
fi
"$work/generate_atlas" "$work/atlas.tsv" "$here/alternate_names.tsv"
mv "$work/atlas.tsv" "$root/resources/atlas.tsv"
echo "wrote resources/atlas.tsv"
