#!/usr/bin/env bash
# The main window's tool bar read through the desktop's accessibility bus, as
# a screen reader hears it: each picture-only button says what it does; the
# tool bars' extension buttons have names; the Timeline's day buttons choose
# their day through the action a screen reader runs, as a click does.
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
if [ $status -eq 0 ]; then
    "$PYTHON" "$HERE/atspi_days.py" >"$E2E_TMP/days.txt"
    status=$?
fi
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
cat "$E2E_TMP/days.txt"
grep -q '^note bar: .*push button: More note tools' "$E2E_TMP/days.txt" \
    || fail "the note tool bar's extension button has no name"
grep -q '^days: .*push button: More days' "$E2E_TMP/days.txt" || fail "the Days bar's extension button has no name"
for line in "Friday -> Friday \[Friday\]" "Friday -> Friday \[Friday\]" "Saturday -> Satuday \[Saturday\]" \
    "Monday -> Monday \[Monday\]"; do
    grep -q "^[A-Za-z]* $line\$" "$E2E_TMP/days.txt" || fail "a day button's action did not choose its day: $line"
done
[ "$(grep -c ' -> ' "$E2E_TMP/days.txt")" -eq 4 ] || fail "not every day button was worked"
echo "accessibility end-to-end: ok"
