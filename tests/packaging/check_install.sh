#!/usr/bin/env bash
# Usage: check_install.sh BUILD_DIR PREFIX [CONFIG]
# Installs BUILD_DIR into the empty PREFIX and validates what a desktop needs from it.
set -euo pipefail
build=$1 prefix=$2 config=${3:-} id=example.somatra.Somatra
for tool in desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" ${config:+--config "$config"} >/dev/null
cd "$prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -x bin/somatra ] || fail "bin/somatra is missing or not executable"
[ -f share/doc/somatra/copyright ] || fail "the copyright file is missing"
desktop=share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx "Icon=$id" "$desktop" && grep -qx "Exec=somatra" "$desktop" || fail "$desktop names another program or icon"
appstreamcli validate --no-net --pedantic "share/metainfo/$id.metainfo.xml" || fail "appstreamcli rejects the metainfo"
file -b "share/icons/hicolor/scalable/apps/$id.svg" | grep -q SVG || fail "the scalable icon is no SVG image"
for size in 16 32 48 128 256; do
    file -b "share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," \
        || fail "the $size px icon is missing or no $size px PNG"
done
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all installed files are in place and valid"
