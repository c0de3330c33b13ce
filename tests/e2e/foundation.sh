#!/usr/bin/env bash
# One copy at a time, and a terminate signal runs the normal shutdown.
# $1: the built veltrano executable.
source "$(dirname "$0")/xsession.sh"

start_display
make_data_folder "$1"
cd "$DATA"

./veltrano >"$E2E_TMP/first.log" 2>&1 &
FIRST=$!
E2E_PIDS+=($FIRST)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "main window did not appear"
before=$(folder_state)

./veltrano >"$E2E_TMP/second.log" 2>&1 &
SECOND=$!
E2E_PIDS+=($SECOND)
[ -n "$(wait_window '^Confirm$' 15)" ] || fail "second copy did not show its refusal"
import -window root "$E2E_TMP/refusal.png" 2>/dev/null
kill -0 "$FIRST" || fail "first copy ended"
[ "$(xdotool search --name '^Veltrano 1\.1$' | wc -l)" -eq 1 ] || fail "second copy opened a main window"
kill -TERM "$SECOND"
wait_exit "$SECOND" 10 || fail "second copy did not end"
[ "$before" = "$(folder_state)" ] || fail "second copy changed the data folder"

# A copy whose runtime folder is another (or unset) passes the user's lock;
# the data folder's own lock refuses it all the same.
mkdir -m 700 "$E2E_TMP/runtime-other"
for how in "env -u XDG_RUNTIME_DIR" "env XDG_RUNTIME_DIR=$E2E_TMP/runtime-other"; do
    $how ./veltrano >"$E2E_TMP/other.log" 2>&1 &
    OTHER=$!
    E2E_PIDS+=($OTHER)
    [ -n "$(wait_window '^Confirm$' 15)" ] || fail "a copy started with $how was not refused"
    [ "$(xdotool search --name '^Veltrano 1\.1$' | wc -l)" -eq 1 ] || fail "a copy started with $how opened a main window"
    kill -TERM "$OTHER"
    wait_exit "$OTHER" 10 || fail "the copy started with $how did not end"
    wait_gone '^Confirm$' 10 || fail "the refusal of the copy started with $how stayed"
    [ "$before" = "$(folder_state)" ] || fail "a copy started with $how changed the data folder"
done

kill -TERM "$FIRST"
wait_exit "$FIRST" 15 || fail "first copy did not end on SIGTERM"
[ -f PM.INI ] || fail "no PM.INI after SIGTERM"
grep -q '^\[Application\]' PM.INI || fail "no [Application] section"
grep -q '^Hiden=0' PM.INI || fail "no Hiden key"
grep -q '^\[MainForm\]' PM.INI || fail "no [MainForm] section"
for key in Left Top Wid Hei Alarm1Sound Alarm1Time Alarm1Checked; do
    grep -q "^$key=" PM.INI || fail "no MainForm key $key"
done
grep -q '^Wid=780' PM.INI && grep -q '^Hei=590' PM.INI || fail "outer size not the default 780 x 590: $(cat PM.INI)"

# Killed without warning, the copy leaves its marker behind; the next start must still work.
./veltrano >"$E2E_TMP/third.log" 2>&1 &
THIRD=$!
E2E_PIDS+=($THIRD)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "restart after a clean exit failed"
kill -KILL "$THIRD"; wait "$THIRD" 2>/dev/null
./veltrano >"$E2E_TMP/fourth.log" 2>&1 &
FOURTH=$!
E2E_PIDS+=($FOURTH)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "a killed copy blocked the next start"
xdotool search --name '^Confirm$' >/dev/null 2>&1 && fail "a killed copy made the next start a second copy"
kill -TERM "$FOURTH"
wait_exit "$FOURTH" 15 || fail "fourth copy did not end"

echo "-- a second start brings the running copy forward"
start_window_manager
./veltrano >"$E2E_TMP/fifth.log" 2>&1 &
FIFTH=$!
E2E_PIDS+=($FIFTH)
MAIN=$(wait_window '^Veltrano 1\.1$' 15)
[ -n "$MAIN" ] || fail "main window did not appear under a window manager"
# Minimised, and another window over where it was.
xmessage -name cover -geometry 1200x900+0+0 "another program" &
E2E_PIDS+=($!)
COVER=$(wait_window '^cover$' 10)
[ -n "$COVER" ] || fail "no covering window"
xdotool windowminimize "$MAIN"
wait_gone '^Veltrano 1\.1$' 5 || fail "the main window did not go when minimised"
./veltrano >"$E2E_TMP/sixth.log" 2>&1 &
SIXTH=$!
E2E_PIDS+=($SIXTH)
[ -n "$(wait_window '^Confirm$' 15)" ] || fail "second copy did not show its refusal"
[ -n "$(wait_window '^Veltrano 1\.1$' 5)" ] || fail "the running copy did not come back"
sleep 0.5
import -window root "$E2E_TMP/forward.png" 2>/dev/null
order=" $(stacking_order) "
main_at=$(printf '%s\n' $order | grep -n -x "$(printf '0x%x' "$MAIN")" | cut -d: -f1)
cover_at=$(printf '%s\n' $order | grep -n -x "$(printf '0x%x' "$COVER")" | cut -d: -f1)
[ -n "$main_at" ] && [ -n "$cover_at" ] && [ "$main_at" -gt "$cover_at" ] \
    || fail "the running copy stayed behind the other window (stacking:$order)"
kill -TERM "$SIXTH"
wait_exit "$SIXTH" 10 || fail "second copy did not end"
kill -TERM "$FIFTH"
wait_exit "$FIFTH" 15 || fail "fifth copy did not end"
echo "foundation end-to-end: ok"
