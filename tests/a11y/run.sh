#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Somatra developers
# SPDX-License-Identifier: MIT
# Runs Somatra on a private desktop (session.sh: a D-Bus session bus, Xvfb and Openbox; here the
# AT-SPI registry) and a test client beside it: test_orca.py checks what the Orca screen reader,
# speaking to a silent sound device, says; test_chaos.py calls everything an assistive client can. The
# client gets SOMATRA_PID, and SOMATRA_LOG, where the program writes its errors.
# Usage: run.sh SOMATRA_BINARY CLIENT.py. Exits 77 (skipped) when a tool is missing or the desktop
# cannot start, unless CI is set: then it fails. Orca runs in a process namespace of its own, so that it
# starts beside a person's own screen reader.
set -u
[ -n "${SOMATRA_DESKTOP:-}" ] || SOMATRA_DESKTOP=1 exec sh "$(dirname "$0")/../session.sh" x11 1024x768 - sh "$0" "$@"
app=${1:?usage: run.sh SOMATRA_BINARY CLIENT.py} client=${2:?} && shift 2
tmp=$(mktemp -d) pids=""

skip() { echo "${client%.py}: cannot start the desktop: $*" >&2; [ -n "${CI:-}" ] && exit 1; exit 77; }
# poll COUNT COMMAND...: runs COMMAND every 0.1 s until it succeeds, at most COUNT times.
poll() {
    n=$1 && shift
    until "$@" >/dev/null 2>&1; do n=$((n - 1)) && [ $n -gt 0 ] && sleep 0.1 || return 1; done
}
started() { pids="$1 $pids"; }
# Stops what this script started, newest first, with what D-Bus started under it (the AT-SPI bus,
# speech-dispatcher), by process id.
cleanup() {
    for pid in $pids; do kill $(pgrep -P "$pid") "$pid" 2>/dev/null; done
    for pid in $(pgrep -f "speech-dispatcher|sd_espeak|at-spi"); do
        grep -qz "^XDG_RUNTIME_DIR=$tmp/run$" "/proc/$pid/environ" 2>/dev/null && kill "$pid"
    done
    for pid in $pids; do poll 20 eval "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null; done
    wait; rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

for tool in dbus-send xdotool setxkbmap pgrep timeout orca speech-dispatcher \
    /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"

# A home of its own: Orca's settings, and speech-dispatcher on a silent ALSA device (it would wait
# for a sound server otherwise).
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" XDG_CONFIG_HOME="$tmp/home/.config" LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" && mkdir -m 700 "$XDG_RUNTIME_DIR"
{ cat /etc/speech-dispatcher/speechd.conf && printf '%s\n' 'AudioOutputMethod "alsa"' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng'; } \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null & started $!
poll 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    || skip "the AT-SPI bus did not start"
/usr/libexec/at-spi2-registryd >/dev/null 2>&1 & started $!

# Orca writes what it speaks to its debug log, which it flushes only when line-buffered.
export ORCA_LOG="$tmp/orca.log" SOMATRA_LOG="$tmp/somatra.log"
if [ "$client" = test_orca.py ]; then
    # Orca refuses to start beside any other Orca of the same user, a person's own screen reader
    # included: this one runs in a process namespace of its own, where it sees no other, and it hears
    # only this desktop's bus.
    # Root needs no user namespace, which a chroot does not allow.
    alone="unshare --pid --fork --mount-proc --kill-child"
    [ "$(id -u)" -eq 0 ] || alone="unshare --user --map-current-user --pid --fork --mount-proc --kill-child"
    $alone true 2>/dev/null || skip "no process namespace of its own for Orca: $($alone true 2>&1)"
    $alone /usr/bin/python3 - "$(command -v orca)" "$ORCA_LOG" >"$tmp/orca.out" 2>&1 <<'PY' &
import builtins, runpy, sys
orca, log = sys.argv[1:]
plain = builtins.open
builtins.open = lambda f, mode="r", *a, **k: plain(f, mode, 1) if f == log else plain(f, mode, *a, **k)
sys.argv = [orca, "--debug-file=" + log]
runpy.run_path(orca, run_name="__main__")
PY
    started $!
    # Its first words, in the language that LANGUAGE asks for ("Screen reader on.").
    poll 600 grep -q "SPEECH OUTPUT:" "$ORCA_LOG" || {
        echo "test_orca: Orca did not start: $(tail -n 3 "$tmp/orca.out")" >&2
        exit 1
    }
fi

# A web address that the program opens goes to a browser that does nothing.
BROWSER=true QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb "$app" 2>"$SOMATRA_LOG" &
started $!
# Ends before CTest's own timeout would kill this script without its cleanup; waited for in the
# background so that a signal to this script stops everything at once.
SOMATRA_PID=$! timeout 170 /usr/bin/python3 "$(dirname "$0")/$client" "$@" & started $!
wait $! || { status=$? && tail -n 20 "$SOMATRA_LOG" >&2 && exit $status; }
