#!/usr/bin/env bash
# The layers point down only: each folder may include its own headers and those of the folders
# listed for it, nothing above. A new folder fails here until it is given its place.
# Usage: layers_test.sh SOURCE_DIR
set -uo pipefail
root=${1:?source dir}

# Bottom first. quendal_core is plain C++ (the compiler keeps Qt out of it); places and
# ui_common's Qt Core half are what quendal-chart links beside it.
declare -A allowed=(
  [chart]=""
  [positions]="chart"
  [moon_retro]="chart positions"
  [vedic]="chart positions moon_retro"
  [match]="chart positions moon_retro vedic"
  [chart_text]="chart positions moon_retro vedic"
  [places]="chart positions"
  [ui_common]="chart"
  [shell]="chart positions moon_retro vedic ui_common"
  [birth]="chart positions moon_retro vedic chart_text places ui_common shell"
  # The chart drawn into any painter, Qt Gui only: the page, the wheel, the square charts.
  [drawing]="chart positions moon_retro vedic chart_text match places ui_common birth"
  [chart_window]="chart positions moon_retro vedic chart_text match places ui_common shell birth drawing report"
  # The report prints and saves through the chart window's commands and the chart window's
  # File menu opens it: the one pair of folders that see each other.
  [report]="chart positions moon_retro vedic chart_text match places ui_common shell birth drawing chart_window"
  [app]="chart positions moon_retro vedic chart_text match places ui_common shell birth drawing chart_window report"
  [cli]="chart positions moon_retro vedic chart_text match places ui_common shell birth drawing chart_window report"
)
# Folders of sources that are not program layers.
skip=" tests tools bench packaging resources build "

status=0
for dir in "$root"/*/; do
  folder=$(basename "$dir")
  [[ $skip == *" $folder "* ]] && continue
  compgen -G "$dir*.cpp" >/dev/null || compgen -G "$dir*.h" >/dev/null || continue
  if [[ ! -v allowed[$folder] ]]; then
    echo "folder $folder/ has no place in the layers"
    status=1
    continue
  fi
  while IFS= read -r line; do
    file=${line%%:*}
    [[ ${line#*:} =~ \#include\ \"([^/\"]+)/ ]] && target=${BASH_REMATCH[1]}
    [[ $target == "$folder" ]] && continue
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "${file#"$root"/} includes $target/, above or beside $folder/"
      status=1
    fi
  done < <(grep -HE '^#include "[^/"]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null)
done
exit $status
