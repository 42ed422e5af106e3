#!/usr/bin/env bash
# Start-up timing on a private X server: process start to the birth-data form painted,
# against a bare Qt program that paints one empty window, interleaved run by run; then the
# time from the button press to the chart window painted.
#   bash bench/startup/run.sh [build folder] [runs]
set -euo pipefail

build="$(realpath "${1:-build}")"
runs="${2:-20}"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work" XDG_CONFIG_HOME="$work/config" QUENDAL_LOCK_DIR="$work/lock"
export QUENDAL_EXIT_WHEN_SHOWN=1

elapsed_ms() {  # runs a program, prints its wall time in milliseconds
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)] / 1000}'; }

# One warm-up run each, so both start from a warm file cache.
elapsed_ms "$build/bench/startup/bare_window" >/dev/null
elapsed_ms "$build/app/quendal" >/dev/null
: >"$work/bare"
: >"$work/label"
: >"$work/quendal"
for _ in $(seq "$runs"); do
  elapsed_ms "$build/bench/startup/bare_window" >>"$work/bare"
  elapsed_ms "$build/bench/startup/bare_window" label >>"$work/label"
  elapsed_ms "$build/app/quendal" >>"$work/quendal"
done
bare=$(median <"$work/bare")
label=$(median <"$work/label")
quendal=$(median <"$work/quendal")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "start to first paint, median of $runs runs:"
echo "  bare Qt window, empty:          $bare ms"
echo "  bare Qt window, one text label: $label ms"
echo "  quendal birth-data form:        $quendal ms" \
  "(x$(ratio "$quendal" "$bare") of the empty window, x$(ratio "$quendal" "$label") of the labelled one)"

unset QUENDAL_EXIT_WHEN_SHOWN
"$build/bench/startup/chart_timing"
