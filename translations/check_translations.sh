#!/usr/bin/env bash
# Runs lupdate over the sources into copies of the .ts files: a text of the sources that a file
# lacks or leaves unfinished, or an entry no source has any more, fails.
set -euo pipefail
# CMake passes the two lists with ";" between their items.
lupdate="$1" options="${2//;/ }" folders="${3//;/ }"
shift 3
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
  copy="$scratch/$(basename "$ts")"
  cp "$ts" "$copy"
  # shellcheck disable=SC2086
  "$lupdate" $options $folders -ts "$copy" >/dev/null
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is not what lupdate makes of the sources:"
    diff "$ts" "$copy" | head -40
    status=1
  fi
  if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
    echo "$(basename "$ts") has unfinished or obsolete entries:"
    grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' | head -40
    status=1
  fi
done
exit $status
