#!/usr/bin/env bash
# Times quendal-chart --batch on N random births (default 100000): wall time and peak memory.
# Usage: bash bench/batch_timing.sh BUILD_DIR [N]
set -euo pipefail
build=${1:?usage: batch_timing.sh BUILD_DIR [N]}
count=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$count" 'BEGIN {
  srand(7)
  print "PersonName,BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,ZoneRow,DaylightSaving," \
        "LatitudeDegrees,LatitudeMinutes,LatitudeIsSouth,LongitudeDegrees,LongitudeMinutes," \
        "LongitudeIsEast,BirthCity,BirthState,BirthCountry"
  for (i = 0; i < n; i++)
    printf "\"Person %d\",%d,%d,%d,%d,%d,%d,%s,%d,%d,%d,%d,%d,%d,City,State,Country\n", i,
      1901 + int(rand() * 150), 1 + int(rand() * 12), 1 + int(rand() * 28), int(rand() * 24),
      int(rand() * 60), int(rand() * 71), rand() < 0.5 ? "true" : "false", int(rand() * 90),
      int(rand() * 60), rand() < 0.5, int(rand() * 180), int(rand() * 60), rand() < 0.5
}' > "$work/births.csv"

/usr/bin/time -f "wall %e s, user %U s, peak memory %M KB" \
  "$build/cli/quendal-chart" --batch "$work/births.csv" > "$work/charts.jsonl"
echo "$(wc -l < "$work/charts.jsonl") charts written"
