#!/bin/sh
# The program as a screen reader sees it: under a virtual X display, in a D-Bus
# session of its own with the accessibility bus, a script drives the real
# program over AT-SPI.
#   run_atspi.sh PROGRAM SHIPPED_DATA_FOLDER
# Exits 77 (skipped) only when a package the test needs is not installed.
set -eu
program=$1
data=$2
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
# The system's Python, which the Debian package of the bindings serves (not one
# that a user's PATH may put first).
python=/usr/bin/python3

missing=""
command -v xvfb-run >/dev/null 2>&1 || missing="$missing xvfb"
command -v dbus-run-session >/dev/null 2>&1 || missing="$missing dbus"
[ -x "$launcher" ] || missing="$missing at-spi2-core"
[ -x "$python" ] && "$python" -c 'import pyatspi' >/dev/null 2>&1 || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
    echo "SKIP: not installed:$missing (make deps installs them)"
    exit 77
fi

# The program works on a copy of the shipped data, never on the build's own.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -R "$data"/. "$home"/

exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- "$python" "$here/reader_walk.py" "$program" "$home" "$launcher"
