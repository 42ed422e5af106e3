#!/usr/bin/env bash
# Grabs the chart child of every golden chart as built from a base commit and as built from
# this tree, and counts the pixels that differ. Usage:
#   tools/compare_chart_grabs.sh BASE_COMMIT [OUT_DIR]
# The base is checked out beside this tree (QUENDAL_BASE_TREE), where ccache finds most of
# its objects; differing charts leave a diff image in OUT_DIR/diff.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BASE="${1:?base commit}"
OUT="${2:-$ROOT/build/chart_grabs}"
BASE_TREE="${QUENDAL_BASE_TREE:-$(dirname "$ROOT")/.chart-grab-base}"
COUNT="${QUENDAL_GRAB_COUNT:-200}"

build_grabber() {  # tree
  cmake -S "$1" -B "$1/build" -G Ninja -DQUENDAL_BUILD_TESTS=ON -DQUENDAL_BUILD_BENCHMARKS=OFF \
    >/dev/null
  cmake --build "$1/build" --target frmDisplay_ui_test >/dev/null
}

grab() {  # tree, folder
  mkdir -p "$2"
  for ((id = 0; id < COUNT; id++)); do
    QT_QPA_PLATFORM=offscreen QUENDAL_CHART_ID=$id QUENDAL_CHART_PNG="$2/$id.png" \
      "$1/build/tests/frmDisplay_ui_test" --gtest_filter=GoldenFill.RendersAWholeChart \
      >/dev/null
  done
}

if [ ! -d "$BASE_TREE" ]; then
  git -C "$ROOT" worktree add --detach "$BASE_TREE" "$BASE" >/dev/null
else
  git -C "$BASE_TREE" checkout --detach -q "$BASE"
fi
build_grabber "$BASE_TREE"
build_grabber "$ROOT"
grab "$BASE_TREE" "$OUT/before"
grab "$ROOT" "$OUT/after"

mkdir -p "$OUT/diff"
charts=0
pixels=0
for ((id = 0; id < COUNT; id++)); do
  n=$(compare -metric AE "$OUT/before/$id.png" "$OUT/after/$id.png" "$OUT/diff/$id.png" 2>&1 \
    >/dev/null || true)
  n=${n%% *}
  if [ "$n" != "0" ]; then
    charts=$((charts + 1))
    pixels=$((pixels + ${n%.*}))
    echo "chart $id: $n pixels differ"
  else
    rm -f "$OUT/diff/$id.png"
  fi
done
echo "$charts of $COUNT charts differ, $pixels pixels in all"
