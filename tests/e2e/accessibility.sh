#!/usr/bin/env bash
# The main window's tool bar read through the desktop's accessibility bus, as
# a screen reader hears it: each picture-only button says what it does.
# $1: the built veltrano. Exit 77 (skipped) when no accessibility bus starts.
source "$(dirname "$0")/xsession.sh"
HERE=$(cd "$(dirname "$0")" && pwd)
PYTHON=/usr/bin/python3

"$PYTHON" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "SKIP: no dbus-run-session"; exit 77; }

start_display
make_data_folder "$1"

cat >"$E2E_TMP/session.sh" <<'INNER'
# Inside a private session bus: the accessibility bus comes with it on demand.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
    || exit 77
cd "$DATA"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./veltrano >"$E2E_TMP/app.log" 2>&1 &
APP=$!
"$PYTHON" "$HERE/atspi_toolbar.py" 30 >"$E2E_TMP/toolbar.txt"
status=$?
kill -TERM $APP
for _ in $(seq 100); do kill -0 $APP 2>/dev/null || break; sleep 0.1; done
kill -KILL $APP 2>/dev/null
exit $status
INNER
export DATA E2E_TMP HERE PYTHON
timeout 90 dbus-run-session -- bash "$E2E_TMP/session.sh"
status=$?
[ $status -eq 77 ] && { echo "SKIP: the accessibility bus did not start"; exit 77; }
cat "$E2E_TMP/toolbar.txt"
[ $status -eq 0 ] || fail "the main window did not show up on the accessibility bus (status $status)"

expected="push button: To-Do List...
push button: Timeline...
push button: Deduvi clock...
push button: Configurator...
push button: Open notepad...
push button: Open calculator..."
# The drop-down buttons may carry a role of their own; the names are what matter.
names=$(sed 's/^[^:]*: //' "$E2E_TMP/toolbar.txt")
[ "$names" = "$(echo "$expected" | sed 's/^[^:]*: //')" ] || fail "tool bar buttons read as:
$(cat "$E2E_TMP/toolbar.txt")"
echo "accessibility end-to-end: ok"
