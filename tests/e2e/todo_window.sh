#!/usr/bin/env bash
# The to-do window on a real X server: Ctrl+F1 brings it up over another
# program's window, items are added and ticked from the keyboard, each change
# is on disk at once, and a killed program loses none of them. Screenshots of
# the docked window, the composer, the statistics and both option pages.
# $1: the built veltrano, $2: a folder for the screenshots (optional).
source "$(dirname "$0")/xsession.sh"

SHOTS="${2:-$E2E_TMP/shots}"
mkdir -p "$SHOTS"
unset DBUS_SESSION_BUS_ADDRESS

# Waits up to $2 seconds for list.todo to hold exactly the bytes $1 (printf form).
wait_list() {
    local want i
    want=$(printf "$1" | od -An -tx1)
    for i in $(seq $(( ${2:-5} * 10 ))); do
        [ "$(od -An -tx1 list.todo 2>/dev/null)" = "$want" ] && return 0
        sleep 0.1
    done
    echo "list.todo holds: $(od -c list.todo 2>/dev/null)" >&2
    return 1
}

# Waits for the window captioned $1 that the last step opened, shoots it
# into $2.png and closes it with Esc.
shoot_and_close() {
    local window
    window=$(wait_window "^$1\$" 5)
    [ -n "$window" ] || fail "no window \"$1\" opened"
    sleep 0.3
    shoot_window "$window" "$SHOTS/$2.png"
    xdotool windowfocus --sync "$window" key Escape
    wait_gone "^$1\$" 5 || fail "Esc did not close \"$1\""
}

# Opens the to-do window's menu on its first item and picks the row $1 steps down.
todo_menu() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$TODO")"
    xdotool mousemove $(( X + 60 )) $(( Y + 35 )) click 3
    sleep 0.5
    xdotool key --delay 60 $(for _ in $(seq "$1"); do printf 'Down '; done) Return
}

start_display
make_data_folder "$1"
cd "$DATA"
make_data_subfolders
printf '[Common]\r\nTo-Do Autostart=0\r\n' >PM.INI

./veltrano >"$E2E_TMP/first.log" 2>&1 &
APP=$!
E2E_PIDS+=($APP)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "main window did not appear"
[ -z "$(xdotool search --onlyvisible --name '^To-Do List' 2>/dev/null)" ] || fail "to-do window shown without autostart"

echo "-- Ctrl+F1 from another program's window"
xmessage -name other -geometry 300x80+900+600 "another program" &
E2E_PIDS+=($!)
OTHER=$(wait_window '^other$' 10)
[ -n "$OTHER" ] || fail "xmessage did not appear"
xdotool windowfocus --sync "$OTHER"
xdotool key ctrl+F1
TODO=$(wait_window '^To-Do List: 0$' 5)
[ -n "$TODO" ] || fail "Ctrl+F1 did not show the to-do window"
sleep 0.3

echo "-- Insert, type, Enter"
xdotool windowfocus --sync "$TODO"
xdotool key Insert
COMPOSER=$(wait_window '^New To-Do Item$' 5)
[ -n "$COMPOSER" ] || fail "Insert did not open the composer"
# No window manager here to hand the new window the keyboard.
xdotool windowfocus --sync "$COMPOSER"
sleep 0.3
xdotool type --delay 20 "Buy milk"
sleep 0.2
shoot_window "$COMPOSER" "$SHOTS/composer.png"
xdotool key Return
wait_list '0Buy milk\r\n' || fail "the new item is not in list.todo at once"
xdotool type --delay 20 "Call Bob"
xdotool key Return
wait_list '0Buy milk\r\n0Call Bob\r\n' || fail "the second item is not in list.todo at once"
xdotool key Escape
wait_gone '^New To-Do Item$' 5 || fail "Esc did not close the composer"
[ -n "$(wait_window '^To-Do List: 2$' 5)" ] || fail "caption does not count two items"

echo "-- Space ticks"
xdotool windowfocus --sync "$TODO"
sleep 0.2
xdotool key space
wait_list '1Buy milk\r\n0Call Bob\r\n' || fail "Space did not tick the item on disk at once"

echo "-- killed, restarted: nothing lost"
kill -KILL "$APP"
wait "$APP" 2>/dev/null
wait_list '1Buy milk\r\n0Call Bob\r\n' 1 || fail "the kill changed list.todo"
printf '[Common]\r\nTo-Do Autostart=1\r\n' >PM.INI
./veltrano >"$E2E_TMP/second.log" 2>&1 &
APP=$!
E2E_PIDS+=($APP)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "restart after the kill failed"
TODO=$(wait_window '^To-Do List: 2$' 5)
[ -n "$TODO" ] || fail "the restarted program does not show both items"
wait_list '1Buy milk\r\n0Call Bob\r\n' 1 || fail "start-up changed list.todo"

echo "-- docked beside the main window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$(wait_window '^Veltrano 1\.1$' 2)" | sed 's/^/MAIN_/')"
eval "$(xdotool getwindowgeometry --shell "$TODO" | sed 's/^/TODO_/')"
[ "$TODO_X" -eq $(( MAIN_X + MAIN_WIDTH )) ] && [ "$TODO_Y" -eq "$MAIN_Y" ] && [ "$TODO_HEIGHT" -eq "$MAIN_HEIGHT" ] \
    || fail "to-do window not docked: main ${MAIN_X},${MAIN_Y} ${MAIN_WIDTH}x${MAIN_HEIGHT}, to-do ${TODO_X},${TODO_Y} ${TODO_WIDTH}x${TODO_HEIGHT}"
import -window root -crop "$(( MAIN_WIDTH + TODO_WIDTH ))x${MAIN_HEIGHT}+${MAIN_X}+${MAIN_Y}" "$SHOTS/docked.png" 2>/dev/null

echo "-- statistics and options"
todo_menu 6 # Statistics...
shoot_and_close 'Common To-Do List Info' statistics
todo_menu 8 # Options...
shoot_and_close Configuration options-todoes
xdotool windowfocus --sync "$(wait_window '^Veltrano 1\.1$' 2)"
xdotool key alt+t Up Return # Tools > Options...
shoot_and_close Configuration options-common

kill -TERM "$APP"
wait_exit "$APP" 15 || fail "program did not end"
wait_list '1Buy milk\r\n0Call Bob\r\n' 1 || fail "the exit changed list.todo"
grep -q '^\[ToDo Form\]' PM.INI || fail "no ToDo Form placement after exit"
echo "to-do window end-to-end: ok"
