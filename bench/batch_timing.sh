#!/usr/bin/env bash
# Times quendal-chart --batch on N random births (default 100000) on JOBS threads (default:
# every core): wall and CPU time, peak memory and bytes a line. Further arguments go to the
# program (--positions precise, --format csv).
# Usage: bash bench/batch_timing.sh BUILD_DIR [N] [JOBS] [ARGS...]
set -euo pipefail
build=${1:?usage: batch_timing.sh BUILD_DIR [N] [JOBS] [ARGS...]}
count=${2:-100000}
jobs=${3:-$(nproc)}
shift $(($# < 3 ? $# : 3))
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

echo "jobs $jobs, load $(cut -d' ' -f1-3 /proc/loadavg)"
/usr/bin/time -f "wall %e s, user %U s, system %S s, peak memory %M KB" \
  "$build/cli/quendal-chart" --batch "$work/births.csv" --jobs "$jobs" "$@" > "$work/charts.out"
lines=$(wc -l < "$work/charts.out")
echo "$lines lines written, $(($(wc -c < "$work/charts.out") / lines)) bytes a line"
