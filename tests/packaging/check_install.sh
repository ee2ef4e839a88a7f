#!/usr/bin/env bash
# Usage: check_install.sh BUILD_DIR PREFIX [CONFIG]
# Installs BUILD_DIR into the empty PREFIX and validates what a desktop needs from it.
set -euo pipefail
build=$1
prefix=$2
config=${3:-}
id=example.somatra.Somatra

for tool in desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" ${config:+--config "$config"} >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check_file() { [ -f "$prefix/$1" ] && echo "ok: $1" || fail "$1 is missing"; }

check_file bin/somatra
[ -x "$prefix/bin/somatra" ] || fail "bin/somatra is not executable"

desktop=share/applications/$id.desktop
check_file "$desktop"
desktop-file-validate "$prefix/$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx "Icon=$id" "$prefix/$desktop" || fail "$desktop does not name the icon $id"
grep -qx "Exec=somatra" "$prefix/$desktop" || fail "$desktop does not start somatra"

metainfo=share/metainfo/$id.metainfo.xml
check_file "$metainfo"
appstreamcli validate --no-net --pedantic "$prefix/$metainfo" || fail "appstreamcli rejects $metainfo"

svg=share/icons/hicolor/scalable/apps/$id.svg
check_file "$svg"
file -b "$prefix/$svg" | grep -q 'SVG' || fail "$svg is not an SVG image"
for size in 16 32 48 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/$id.png
    check_file "$png"
    file -b "$prefix/$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size px PNG"
done

check_file share/doc/somatra/copyright

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all installed files are in place and valid"
