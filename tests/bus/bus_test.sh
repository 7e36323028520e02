#!/usr/bin/env bash
# Runs the built program under Xvfb with a private D-Bus session and the at-spi2 bus, and walks its
# windows over the accessibility bus as a screen reader does (bus_test.py).
#   bus_test.sh PROGRAM
# Needs xvfb, dbus-x11 (or dbus-run-session), at-spi2-core and python3-pyatspi; scripts/test.sh
# installs them. Every process started here is ended on the way out, whatever happens.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v Xvfb >/dev/null || fail "Xvfb is missing (Debian package xvfb)"
command -v dbus-run-session >/dev/null || command -v dbus-launch >/dev/null ||
    fail "dbus-run-session or dbus-launch is missing (Debian package dbus-x11)"
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || fail "at-spi-bus-launcher is missing (Debian package at-spi2-core)"
# The distribution's Python, which has pyatspi, whatever python3 comes first on the path.
python=/usr/bin/python3
[ -x "$python" ] && "$python" -c "import pyatspi" 2>/dev/null || fail "pyatspi is missing (python3-pyatspi)"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display within 10 s"
display=":$(head -n1 "$work/display")"

# A user of its own: no settings, recent configurations or desktop choices of the machine's user.
mkdir -p "$work/home" "$work/out"
session=(env -i PATH="$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work" DISPLAY="$display"
    LANG=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    STANDWISE_BUS_PROGRAM="$program" STANDWISE_BUS_LAUNCHER="$launcher" STANDWISE_BUS_OUT="$work/out")
inner="$here/bus_session.sh"
status=0
if command -v dbus-run-session >/dev/null; then
    "${session[@]}" timeout --kill-after=10 240 dbus-run-session -- bash "$inner" "$python" "$here/bus_test.py" ||
        status=$?
else
    "${session[@]}" timeout --kill-after=10 240 bash -c \
        'eval "$(dbus-launch --sh-syntax)"; trap "kill $DBUS_SESSION_BUS_PID" EXIT; bash "$@"' _ \
        "$inner" "$python" "$here/bus_test.py" || status=$?
fi
exit "$status"
