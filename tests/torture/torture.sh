#!/usr/bin/env bash
# Kills the program with SIGKILL at random moments while it writes its files,
# restarts it and checks the data folder after every kill (torture.py says
# how). Run by hand for the long version:
#   tests/torture/torture.sh build/src/veltrano 100 [build/tools/rtfconv/rtfconv] [-- torture.py options]
# ctest runs a short one. Needs Xvfb, dbus-run-session and python3-pyatspi;
# without them it says so and is skipped (status 77).
source "$(dirname "$0")/../e2e/xsession.sh"

VELTRANO=$1
KILLS=${2:-100}
RTFCONV=${3:-}
shift $(( $# < 3 ? $# : 3 ))
[ "${1:-}" = "--" ] && shift
PYTHON=/usr/bin/python3
command -v dbus-run-session >/dev/null && "$PYTHON" -c 'import pyatspi' 2>/dev/null \
    || { echo "SKIP: needs dbus-run-session and python3-pyatspi"; exit 77; }

start_display
# The program speaks to the accessibility bus only when asked; the bus is the
# private session's, so no desktop of the caller's sees our windows.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The accessibility bus is started before the program: Qt only watches for
# it, and a bus that comes up while the program is starting can be missed.
dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
        || { echo "SKIP: the accessibility bus did not start"; exit 77; }
    exec "$@"' bash "$PYTHON" "$(dirname "$0")/torture.py" "$VELTRANO" "$E2E_TMP/data" --kills "$KILLS" \
    ${RTFCONV:+--rtfconv "$RTFCONV"} "$@"
