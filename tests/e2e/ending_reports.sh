#!/usr/bin/env bash
# A refused write at shutdown: when the system ends the program (SIGTERM, the
# session ending) it is told on stderr and the program ends, with no box to
# wait behind; "Exit" keeps its box, and a log-out while that box waits still
# ends the program. A terminate signal while a box of the start-up is open
# runs the normal shutdown too. $1: the built veltrano executable.
source "$(dirname "$0")/xsession.sh"

# A bus that is not there: no notification of ours reaches the caller's desktop.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus"

start_display
make_data_folder "$1"
cd "$DATA"

# Starts the program and waits for its main window; sets PID.
start_program() {
    ./veltrano >"$E2E_TMP/$1.log" 2>&1 &
    PID=$!
    E2E_PIDS+=($PID)
    MAIN=$(wait_window '^Veltrano 1\.1$' 30)
    [ -n "$MAIN" ] || fail "$1: main window did not appear"
}

start_program first
kill -TERM "$PID"
wait_exit "$PID" 15 || fail "first run did not end on SIGTERM"
[ -f PM.INI ] || fail "no PM.INI after the first run"
chmod 444 PM.INI

start_program terminated
kill -TERM "$PID"
wait_exit "$PID" 10 || fail "SIGTERM with a read-only PM.INI: the program waits behind a box"
grep -qF "veltrano: Unable to write to $DATA/PM.INI" "$E2E_TMP/terminated.log" \
    || fail "the refused write was not told on stderr: $(cat "$E2E_TMP/terminated.log")"

# The greeting popup bears the box's caption: let it go first.
wait_popup_gone() {
    local i
    for i in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name '^Veltrano$' 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    fail "the greeting popup did not go"
}

start_program exited
wait_popup_gone
xdotool windowfocus --sync "$MAIN" key alt+f Return
BOX=$(wait_window '^Veltrano$' 10)
[ -n "$BOX" ] || fail "Exit with a read-only PM.INI showed no box"
sleep 1
kill -0 "$PID" 2>/dev/null || fail "Exit did not wait for its box to be answered"
grep -qF "Unable to write to" "$E2E_TMP/exited.log" && fail "Exit told the refused write on stderr, not in its box"
kill -TERM "$PID"
wait_exit "$PID" 10 || fail "a log-out while the box waits did not end the program"

# "Projects Group" gone since the last run: the first show says "Mistake!
# Tasks files are damaged." in a box. SIGTERM while it is open ends the
# program, which writes its settings as at any end.
chmod 644 PM.INI
printf '[MainForm]\r\nLeft=3\r\n' > PM.INI
rm -rf "Projects Group"
start_program damaged
boxes_seen=0
for _ in $(seq 60); do
    # The greeting's stand-in bears the same caption; it goes after 3 s.
    if [ -n "$(xdotool search --onlyvisible --name '^Veltrano$' 2>/dev/null)" ]; then
        boxes_seen=$((boxes_seen + 1))
        [ "$boxes_seen" -ge 45 ] && break
    fi
    sleep 0.1
done
[ "$boxes_seen" -ge 45 ] || fail "no box for the missing project folder"
kill -TERM "$PID"
wait_exit "$PID" 5 || fail "SIGTERM while the start-up box was open: the program runs on"
grep -q 'Wid=' PM.INI || fail "the settings were not written at that end: $(cat PM.INI)"
echo "ending reports end-to-end: ok"
