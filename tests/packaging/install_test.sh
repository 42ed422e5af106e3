#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and a user find there:
# every file in its place, a valid menu entry and AppStream file, one version everywhere, and
# both installed programs running away from the build tree.
#   bash tests/packaging/install_test.sh <build folder>
set -euo pipefail
build="$(realpath "${1:?build folder}")"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

id=example.quendal.Quendal
for file in bin/quendal bin/quendal-chart share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
  share/man/man1/quendal.1.gz share/man/man1/quendal-chart.1.gz \
  share/doc/quendal/copyright share/doc/quendal/LICENSE share/doc/quendal/CC-BY-4.0 \
  share/quendal/translations/quendal_hi.qm share/quendal/translations/quendal_ta.qm; do
  [ -s "$file" ] || fail "$file is not installed"
done

desktop-file-validate share/applications/$id.desktop || fail "the desktop entry is invalid"
appstreamcli validate --no-net share/metainfo/$id.metainfo.xml >/dev/null ||
  fail "the AppStream file is invalid"
grep -qx "Exec=quendal" share/applications/$id.desktop || fail "the menu entry starts another program"
grep -qx "Icon=$id" share/applications/$id.desktop || fail "the menu entry names another icon"

for page in quendal quendal-chart; do
  warnings="$(LC_ALL=C.UTF-8 man --warnings -l "share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done

if readelf -d bin/quendal bin/quendal-chart | grep -q "$build"; then
  fail "an installed program looks for libraries in the build folder"
fi

version="$(bin/quendal-chart --version)"
[ "$version" = "quendal-chart $(bin/quendal --version | cut -d' ' -f2)" ] ||
  fail "the programs disagree on the version: $version"
grep -q "<release version=\"${version#* }\"" share/metainfo/$id.metainfo.xml ||
  fail "the AppStream release is not ${version#* }"
zcat share/man/man1/quendal-chart.1.gz | grep -q "\"Quendal ${version#* }\"" ||
  fail "the manual page is not of ${version#* }"

bin/quendal-chart --date 1984-07-09 --time 05:40 --zone 34 --lat 18:31N --lon 73:52E |
  grep -qx "Sun Sign: Cancer" || fail "the installed quendal-chart casts no chart"
# The form paints once and the program ends; settings and lock stay in the scratch prefix.
HOME="$prefix" XDG_CONFIG_HOME="$prefix/config" QUENDAL_LOCK_DIR="$prefix/lock" \
  QT_QPA_PLATFORM=offscreen QUENDAL_EXIT_WHEN_SHOWN=1 QUENDAL_MESSAGES_TO_STDERR=1 \
  timeout 60 bin/quendal || fail "the installed quendal did not start"
echo "installed and checked in $prefix"
