#!/bin/sh
# Runs Somatra on a private desktop (D-Bus session bus, Xvfb, AT-SPI registry, openbox) and checks
# with test_atspi.py what a screen reader reaches. Usage: run.sh SOMATRA_BINARY [-v]
# Exits 77 (skipped) when that desktop cannot start, unless CI is set: then it fails.
set -u
app=${1:?usage: run.sh SOMATRA_BINARY [-v]} && shift
tmp=$(mktemp -d) pids=""

skip() { echo "test_atspi: cannot start the desktop: $*" >&2; [ -n "${CI:-}" ] && exit 1; exit 77; }
# poll COUNT COMMAND...: runs COMMAND every 0.1 s until it succeeds, at most COUNT times.
poll() {
    n=$1 && shift
    until "$@" >/dev/null 2>&1; do n=$((n - 1)) && [ $n -gt 0 ] && sleep 0.1 || return 1; done
}
started() { pids="$1 $pids"; }
# Stops what this script started, newest first, with what D-Bus started under it, by process id.
cleanup() {
    for pid in $pids; do kill $(pgrep -P "$pid") "$pid" 2>/dev/null; done
    for pid in $pids; do poll 20 eval "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null; done
    wait; rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

for tool in dbus-daemon dbus-send Xvfb xdotool openbox setxkbmap pgrep timeout \
    /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$tmp/bus" 2>/dev/null & started $!
poll 100 test -s "$tmp/bus" || skip "no D-Bus session bus"
read -r DBUS_SESSION_BUS_ADDRESS <"$tmp/bus" && export DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$tmp"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" & started $!
poll 100 test -s "$tmp/display" || skip "Xvfb did not start: $(tail -n 3 "$tmp/xvfb.log")"
read -r display <"$tmp/display" && export DISPLAY=":$display"
# Openbox gives new windows the focus, so that the keys reach them.
openbox --sm-disable >"$tmp/openbox.log" 2>&1 & started $!
managing() { [ "$(xdotool search --maxdepth 1 --name '' | wc -l)" -gt 1 ]; }
poll 100 managing || skip "openbox did not start: $(tail -n 3 "$tmp/openbox.log")"
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null & started $!
poll 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    || skip "the AT-SPI bus did not start"
/usr/libexec/at-spi2-registryd >/dev/null 2>&1 & started $!

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$app" & started $!
# Ends before CTest's own timeout would kill this script without its cleanup; waited for in the
# background so that a signal to this script stops everything at once.
SOMATRA_PID=$! timeout 45 /usr/bin/python3 "$(dirname "$0")/test_atspi.py" "$@" & started $!
wait $!
