#!/usr/bin/env bash
# Starts the real program on a private X server, types a birth into the form as a person
# would, presses "Get My Natal Chart" and saves screenshots of the form and the chart window,
# then of the chart in each chart style, of its navamsa and of the sidereal chart.
# Fails when the chart window never appears. With a language code as third argument the
# windows are in that language (quendal --language) and only the form and the chart are shot.
#   bash tools/e2e_screenshot.sh <path to quendal> <output folder> [hi|ta]
set -euo pipefail

program="$(realpath "${1:?path to the quendal program}")"
out="$(mkdir -p "${2:?output folder}" && realpath "$2")"
language="${3:-}"
language_options=()
[ -n "$language" ] && language_options=(--language "$language")
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quendal_install_packages xvfb xauth xdotool imagemagick

work="$(mktemp -d)"
xvfb_pid=""
quendal_pid=""
cleanup() {
  [ -n "$quendal_pid" ] && kill "$quendal_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses; -displayfd lets the server pick and tell.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
echo "X server on $DISPLAY"

# A real X window even when the test runner asks for offscreen widgets. Settings and the
# single-instance lock stay in the scratch folder; messages go to the log
# instead of waiting for a click.
QT_QPA_PLATFORM=xcb HOME="$work" XDG_CONFIG_HOME="$work/config" QUENDAL_LOCK_DIR="$work/lock" \
  QUENDAL_MESSAGES_TO_STDERR=1 "$program" "${language_options[@]}" >"$work/quendal.log" 2>&1 &
quendal_pid=$!

find_visible() {  # window ids with the caption, one a line
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

form=""
for _ in $(seq 100); do
  form="$(find_visible 'Quendal v1.85' | head -n1)"
  [ -n "$form" ] && break
  sleep 0.1
done
if [ -z "$form" ]; then
  echo "the birth-data form never appeared" >&2
  cat "$work/quendal.log" >&2
  exit 1
fi
xdotool windowfocus --sync "$form"
sleep 0.3

# The focus starts in the name field; Tab walks the form in its keyboard order (day before
# month, daylight saving after the zone, the hemisphere option buttons between degrees and
# minutes).
type_then_tab() { xdotool type --delay 20 "$1"; xdotool key Tab; sleep 0.05; }
type_then_tab "Asha Rao"  # txtName
type_then_tab "15"        # cboDate
if [ -n "$language" ]; then  # cboMonth: the month names are the language's, so by place
  xdotool key Home Down Down Down Down Down Down Down Tab
else
  type_then_tab "Aug"
fi
type_then_tab "1987"      # cboYear
type_then_tab "14"        # cboHour
type_then_tab "35"        # cboMinute
type_then_tab "Ind"       # cboTimeZone: Indian Time
xdotool key Tab           # Daylight Saving Time stays unticked
type_then_tab "18"        # txtLatD
xdotool key Tab           # North stays selected
type_then_tab "31"        # txtLatM
type_then_tab "73"        # txtLonD
xdotool key Tab           # East stays selected
type_then_tab "52"        # txtLonM
type_then_tab "Pune"      # txtCity
type_then_tab "Maharashtra"
xdotool type --delay 20 "India"  # txtCountry
sleep 0.2
import -window "$form" "$out/form.png"
xdotool key Return        # Enter in a field presses "Get My Natal Chart"

chart=""
for _ in $(seq 100); do
  chart="$(find_visible 'Quendal v1.85' | grep -vx "$form" | head -n1 || true)"
  [ -n "$chart" ] && break
  sleep 0.1
done
if [ -z "$chart" ]; then
  echo "the chart window never appeared" >&2
  cat "$work/quendal.log" >&2
  import -window root "$out/failure.png" || true
  exit 1
fi
sleep 1  # let the window paint once
import -window root "$out/screen.png"
import -window "$chart" "$out/chart.png"
echo "chart window shown; screenshots in $out"
[ -n "$language" ] && exit 0  # the menus' keys are the language's

# The View menu by keyboard, as a person without a mouse would: Alt+V opens it on its first
# item; the arrows walk to an item (separators are skipped) and open its submenu.
view_menu() {  # number of steps down to the item, then the keys inside its submenu
  local down="$1"
  shift
  xdotool windowfocus --sync "$chart"
  xdotool key alt+v
  sleep 0.3
  for _ in $(seq "$down"); do xdotool key Down; done
  xdotool key Right
  sleep 0.2
  xdotool key "$@" Return
  sleep 0.8
}
view_menu 2 Home && import -window "$chart" "$out/chart_north.png"
view_menu 2 Home Down && import -window "$chart" "$out/chart_south.png"
view_menu 5 Home Down Down Down Down Down && import -window "$chart" "$out/chart_navamsa.png"
view_menu 2 Home Down Down && import -window "$chart" "$out/chart_natal.png"
title="$(xdotool getwindowname "$chart")"
if [ "$title" != "Quendal v1.85 - Navamsa (D9)" ]; then
  echo "the navamsa was not chosen (the chart window reads \"$title\")" >&2
  exit 1
fi
# The sidereal zodiac redraws the navamsa on view, here in the North Indian style; then the
# birth chart.
view_menu 2 Home && view_menu 6 Home Down && import -window "$chart" "$out/chart_sidereal_navamsa.png"
xdotool windowfocus --sync "$chart"
xdotool key alt+v
sleep 0.3
for _ in 1 2 3 4; do xdotool key Down; done
xdotool key Return
sleep 0.8
import -window "$chart" "$out/chart_sidereal_north.png"
echo "chart styles, the navamsa and the sidereal zodiac shown; screenshots in $out"
