#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Somatra developers
# SPDX-License-Identifier: MIT
# Usage: lintian.sh CPACK BUILD_DIR OUT_DIR. Builds the Debian package from the build folder with CPack and
# fails on any error or warning of lintian. Exits 77 (skipped) where lintian is not installed.
command -v lintian >/dev/null || { echo "lintian is not installed (scripts/deps installs it)"; exit 77; }
set -e
rm -rf "$3"
"$1" -G DEB --config "$2/CPackConfig.cmake" -B "$3" >"$3.log" || { cat "$3.log"; exit 1; }
lintian --fail-on error,warning --display-info "$3"/somatra_*.deb
