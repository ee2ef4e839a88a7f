#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Somatra developers
# SPDX-License-Identifier: MIT
# Runs in a private display session, started and stopped here. Usage:
#   session.sh x11 WIDTHxHEIGHT XFT_DPI|- COMMAND [ARGUMENTS]   the command on a new Xvfb screen,
#                                 whose windows Openbox frames
#   session.sh wayland SOMATRA    a Wayland-only session (headless Weston, no X server): passes when
#                                 the program's window maps (configured, acknowledged, a buffer attached)
# Exits 77 (skipped) where the display server cannot start, unless CI is set. It has a session bus of
# its own, so that the screen reader of whoever runs the tests does not hear these windows.
[ -n "${SOMATRA_OWN_BUS:-}" ] || SOMATRA_OWN_BUS=1 exec dbus-run-session -- sh "$0" "$@"
tmp=$(mktemp -d) && chmod 700 "$tmp" && trap 'kill $wm $server 2>/dev/null; wait; rm -rf "$tmp"' EXIT
started() {
    n=0 && until "$@" || [ $n -ge 100 ]; do sleep 0.1 && n=$((n + 1)); done
    "$@" || { cat "$tmp/log" >&2 && [ -z "${CI:-}" ] && exit 77; exit 1; }
}
managing() { [ "$(xdotool search --maxdepth 1 --name '' 2>/dev/null | wc -l)" -gt 1 ]; }
if [ "$1" = x11 ]; then
    Xvfb -displayfd 3 -screen 0 "${2}x24" -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/log" & server=$!
    started test -s "$tmp/display" && DISPLAY=":$(cat "$tmp/display")" && export DISPLAY
    [ "$3" = - ] || echo "Xft.dpi: $3" | xrdb -merge
    openbox --sm-disable >>"$tmp/log" 2>&1 & wm=$!
    started managing
    shift 3 && "$@"
else
    export XDG_RUNTIME_DIR="$tmp" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=somatra && unset DISPLAY QT_QPA_PLATFORM
    weston --backend=headless-backend.so --socket=somatra --idle-time=0 >"$tmp/log" 2>&1 & server=$!
    started test -S "$tmp/somatra"
    WAYLAND_DEBUG=1 timeout 5 "$2" 2>"$tmp/protocol"
    grep -q 'set_title("Somatra")' "$tmp/protocol" && grep -q ack_configure "$tmp/protocol" && grep -q 'attach(wl_buffer' "$tmp/protocol"
fi
