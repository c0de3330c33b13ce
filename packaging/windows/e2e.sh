#!/usr/bin/env bash
# The portable Windows folder under Wine on a private Xvfb, end to end: the
# first start sets up its data beside the exe, a second start is refused,
# Ctrl+F1 shows the to-do window, an item reaches list.todo with CR LF, typed
# text reaches the note, closing writes PM.INI, an alarm rings (or, with no
# sound device, says so and still shows its balloon). Screenshots of the
# main window, the to-do window and the clock go to the shots folder.
#   packaging/windows/e2e.sh <portable folder> <rtfconv of the Linux build> [<shots folder>]
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
source "$SOURCE/tests/e2e/xsession.sh"
source "$SOURCE/packaging/windows/wine-env.sh"
# The portable folder alone, as on a clean Windows: no DLL or plugin of the
# toolchain's may stand in for one it lacks.
unset WINEPATH QT_PLUGIN_PATH
PORTABLE=$(cd "$1" && pwd)
RTFCONV=$2
SHOTS=$(mkdir -p "${3:-$E2E_TMP/shots}" && cd "${3:-$E2E_TMP/shots}" && pwd)
[ -x "$RTFCONV" ] || fail "no rtfconv at $RTFCONV"
trap 'wineserver -k 2>/dev/null; e2e_cleanup' EXIT
# Windows' regional formats under Wine follow the Linux locale: US English.
export LANG=en_US.UTF-8 LC_ALL=
AHEAD=12

cp -r "$PORTABLE" "$E2E_TMP/Veltrano"
cd "$E2E_TMP/Veltrano" || fail "no copy of the portable folder"

start_program() {
    wine veltrano.exe >>"$E2E_TMP/veltrano.log" 2>&1 &
    APP=$!
    E2E_PIDS+=($APP)
    MAIN=$(wait_window '^Veltrano 1\.1$' 90)
    [ -n "$MAIN" ] || fail "the main window did not appear: $(tail -5 "$E2E_TMP/veltrano.log")"
    sleep 1
}

focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    sleep 0.3
}

wait_bytes() { # file, printf form, seconds
    local want i
    want=$(printf "$2" | od -An -tx1)
    for i in $(seq $(( ${3:-5} * 10 ))); do
        [ "$(od -An -tx1 "$1" 2>/dev/null)" = "$want" ] && return 0
        sleep 0.1
    done
    echo "$1 holds: $(od -c "$1" 2>/dev/null)" >&2
    return 1
}

start_display
start_window_manager
wine_prefix_ready

echo "-- first start: data beside the exe"
start_program
for _ in $(seq 50); do [ -d "Projects Group" ] && [ -d Week ] && break; sleep 0.1; done
[ -d "Projects Group" ] || fail "no Projects Group beside the exe"
[ -d Week ] || fail "no Week beside the exe"
shoot_window "$MAIN" "$SHOTS/main-window.png"

echo "-- a second start is refused and ends; the first runs on"
wine veltrano.exe >"$E2E_TMP/second.log" 2>&1 &
SECOND=$!
E2E_PIDS+=($SECOND)
BOX=$(wait_window '^Confirm$' 60)
[ -n "$BOX" ] || fail "the second start did not show its refusal"
sleep 0.5
import -window root "$SHOTS/second-start.png" 2>/dev/null
focus "$BOX"
xdotool key Return
wait_exit "$SECOND" 20 || fail "the second start did not end"
kill -0 "$APP" 2>/dev/null || fail "the first copy ended with the second"
[ "$(xdotool search --onlyvisible --name '^Veltrano 1\.1$' | wc -l)" -eq 1 ] || fail "the second start opened a main window"

echo "-- Ctrl+F1 shows the to-do window; an item reaches list.todo"
focus "$MAIN"
xdotool key ctrl+F1
TODO=$(wait_window '^To-Do List: 0$' 10)
[ -n "$TODO" ] || fail "Ctrl+F1 did not show \"To-Do List: 0\""
sleep 0.5
shoot_window "$TODO" "$SHOTS/todo-window.png"
focus "$TODO"
xdotool key Insert
COMPOSER=$(wait_window '^New To-Do Item$' 10)
[ -n "$COMPOSER" ] || fail "Insert did not open the composer"
focus "$COMPOSER"
xdotool type --delay 40 "Buy milk"
xdotool key Return
wait_bytes list.todo '0Buy milk\r\n' 10 || fail "the item did not reach list.todo with CR LF"
xdotool key Escape
[ -n "$(wait_window '^To-Do List: 1$' 10)" ] || fail "the caption does not count the item"

echo "-- typed text reaches the note"
focus "$MAIN"
xdotool key ctrl+Insert
DIALOG=$(wait_window '^New Project$' 10)
[ -n "$DIALOG" ] || fail "Ctrl+Insert did not open \"New Project\""
focus "$DIALOG"
xdotool type --delay 40 "Plan"
xdotool key Return
for _ in $(seq 50); do [ -f "Projects Group/Plan/note.rtf" ] && break; sleep 0.1; done
[ -f "Projects Group/Plan/note.rtf" ] || fail "the project's note was not made"
focus "$MAIN"
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
xdotool mousemove $((X + WIDTH * 2 / 5)) $((Y + HEIGHT / 2)) click 1
sleep 0.5
xdotool type --delay 60 "Hello from Wine"
for _ in $(seq 50); do
    [ "$("$RTFCONV" --to text "Projects Group/Plan/note.rtf" 2>/dev/null)" = "Hello from Wine" ] && break
    sleep 0.1
done
[ "$("$RTFCONV" --to text "Projects Group/Plan/note.rtf" 2>/dev/null)" = "Hello from Wine" ] \
    || fail "the note reads '$("$RTFCONV" --to text "Projects Group/Plan/note.rtf" 2>&1)'"
shoot_window "$MAIN" "$SHOTS/main-window-note.png"

echo "-- Shift+F1 shows the clock"
focus "$MAIN"
xdotool key shift+F1
CLOCK=$(wait_window '^Deduvi Clock$' 10)
[ -n "$CLOCK" ] || fail "Shift+F1 did not show the clock"
sleep 1
shoot_window "$CLOCK" "$SHOTS/clock.png"
import -window root "$SHOTS/desktop.png" 2>/dev/null

echo "-- closing the main window writes PM.INI"
rm -f PM.INI
focus "$MAIN"
xdotool key alt+F4
wait_exit "$APP" 30 || fail "closing the main window did not end the program"
[ -s PM.INI ] || fail "no PM.INI after the program ended"
grep -q $'\r$' PM.INI || fail "PM.INI is not written with CR LF"
wait_bytes list.todo '0Buy milk\r\n' 1 || fail "the ending changed list.todo"

echo "-- an alarm a few seconds ahead"
# Windows shows the tray's balloons itself: under Wine they are windows of
# explorer.exe without a title, which come and go with each balloon.
balloons() { xdotool search --onlyvisible --class explorer.exe 2>/dev/null | while read -r w; do
    [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && echo "$w"; done | sort; }
at=$(LC_ALL=C date -d "+$AHEAD seconds" '+%-I:%M:%S %p')
printf '[MainForm]\r\nAlarm1Sound=%s\r\nAlarm1Time=%s\r\nAlarm1Checked=1\r\n' \
    "$(winpath "$SOURCE/tests/support/sounds/beep.wav")" "$at" >PM.INI
start_program
# The greeting's balloon goes first; the alarm's is the one after its time.
while [ "$(date +%s)" -lt "$(date -d "$at" +%s)" ]; do sleep 0.2; done
before=$(balloons)
BALLOON= BOX=
for _ in $(seq 150); do
    BOX=$(xdotool search --onlyvisible --name '^Veltrano$' 2>/dev/null | head -n 1)
    BALLOON=$(comm -13 <(echo "$before") <(balloons) | head -n 1)
    [ -n "$BALLOON$BOX" ] && break
    sleep 0.2
done
[ -n "$BALLOON$BOX" ] || fail "the alarm at $at showed neither its balloon nor a message"
sleep 0.5
import -window root "$SHOTS/alarm.png" 2>/dev/null
[ -n "$BALLOON" ] && shoot_window "$BALLOON" "$SHOTS/alarm-balloon.png"
if [ -n "$BOX" ]; then
    echo "alarm at $at: no sound device here; the program said so (alarm.png)"
else
    echo "alarm at $at: rang, its balloon shown (alarm-balloon.png)"
fi
grep -qF "Alarm1Checked=1" PM.INI || fail "the alarm did not stay ticked"
kill "$APP" 2>/dev/null
echo "PASS: Windows end to end (screenshots in $SHOTS)"
