#!/usr/bin/env bash
# What a data folder may hold where the program's files belong, on a real X
# server: a FIFO as PM.INI, list.todo, today's day file and a note (each used
# to freeze the program for ever), a link to /dev/zero as a note and a sparse
# gigabyte as list.todo (each used to end it with std::bad_alloc), and a
# to-do item of 10 MB on one line (731 MB and seconds of a frozen window).
# The program must come up, stay responsive, end normally and leave every
# such file as it was.
# $1: the built veltrano.
source "$(dirname "$0")/xsession.sh"

# Answers every box titled "Veltrano" (what could not be read, told once).
# Boxes come one after another, so a moment without one is not the end yet.
answer_boxes() {
    local box quiet=0
    for _ in $(seq 30); do
        box=$(xdotool search --onlyvisible --name '^Veltrano$' 2>/dev/null | head -n 1)
        if [ -z "$box" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 3 ] && return 0
        else
            quiet=0
            xdotool windowfocus --sync "$box" key Return 2>/dev/null
        fi
        sleep 0.2
    done
}

# Starts the program; the main window must come up within 15 seconds. A box
# telling what could not be read (it may come before the main window) is
# answered as the user would.
start_program() {
    ./veltrano >>"$E2E_TMP/veltrano.log" 2>&1 &
    APP=$!
    E2E_PIDS+=($APP)
    MAIN=""
    for _ in $(seq 150); do
        MAIN=$(xdotool search --onlyvisible --name '^Veltrano 1\.1$' 2>/dev/null | head -n 1)
        [ -n "$MAIN" ] && break
        answer_boxes
        sleep 0.1
    done
    [ -n "$MAIN" ] || fail "$1: the main window did not appear"
}

# Ends the program with SIGTERM: a GUI thread stuck on a file would never
# take the signal in, so this is also the test that it was never stuck.
end_program() {
    kill -TERM "$APP"
    wait_exit "$APP" 15 || fail "$1: the program did not end on SIGTERM (stuck?)"
    wait "$APP"
    local status=$?
    [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
}

is_fifo() { [ -p "$1" ] || fail "$1 is no longer a FIFO"; }

start_display
make_data_folder "$1"
cd "$DATA"
make_data_subfolders

# 1. FIFOs everywhere, and a note that is a link to /dev/zero.
today=$(LC_ALL=C date +%A)
mkfifo PM.INI list.todo "Week/$today.txt"
mkdir -p "Projects Group/A Fifo" "Projects Group/B Zero" "Projects Group/C Empty"
mkfifo "Projects Group/A Fifo/note.rtf"
ln -s /dev/zero "Projects Group/B Zero/note.rtf"

start_program "FIFOs"
answer_boxes
# Into the worklist, then down the tree: the root, the FIFO's node, the
# link's node, and the last one, whose note is made when it is reached.
xdotool windowfocus --sync "$MAIN"
sleep 0.3
xdotool key alt+v Return Down Return
sleep 0.3
# A box may come a moment after its node is reached and take the next key:
# keys go on until the last node's note is made (or far more than four).
for _ in $(seq 12); do
    [ -f "Projects Group/C Empty/note.rtf" ] && break
    answer_boxes
    xdotool windowfocus --sync "$MAIN" 2>/dev/null
    xdotool key Down
    sleep 0.5
done
for _ in $(seq 50); do [ -f "Projects Group/C Empty/note.rtf" ] && break; sleep 0.1; done
[ -f "Projects Group/C Empty/note.rtf" ] || fail "the walk down the tree did not get past the FIFO and the link"
end_program "FIFOs"
for fifo in PM.INI list.todo "Week/$today.txt" "Projects Group/A Fifo/note.rtf"; do is_fifo "$fifo"; done
[ "$(readlink "Projects Group/B Zero/note.rtf")" = /dev/zero ] || fail "the link to /dev/zero was replaced"

# 2. A sparse gigabyte as list.todo, and PM.INI a link to /dev/zero.
rm -f PM.INI list.todo "Week/$today.txt"
truncate -s 1G list.todo
ln -s /dev/zero PM.INI
start_program "a sparse gigabyte"
answer_boxes
end_program "a sparse gigabyte"
[ "$(stat -c '%s %b' list.todo)" = "1073741824 0" ] || fail "the sparse list.todo was written: $(stat -c '%s %b' list.todo)"
[ "$(readlink PM.INI)" = /dev/zero ] || fail "PM.INI, a link to /dev/zero, was replaced"

# 3. One to-do item of 10 MB on one line: the to-do window shows it at start
# without the memory of many copies of it, and without a long freeze.
rm -f PM.INI list.todo
printf '[Common]\r\nTo-Do Autostart=1\r\n' >PM.INI
{ printf '0'; head -c 10000000 /dev/zero | tr '\0' 'x'; printf '\r\n0after it\r\n'; } >list.todo
started=$(date +%s%N)
start_program "a 10 MB item"
todo=$(wait_window '^To-Do List: 2$' 15)
[ -n "$todo" ] || fail "the to-do window did not show the two items"
shown_ms=$(( ($(date +%s%N) - started) / 1000000 ))
sleep 1
peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$APP/status")
echo "a 10 MB item: to-do window up after $shown_ms ms, peak memory $((peak_kb / 1024)) MB"
[ "$peak_kb" -lt $((150 * 1024)) ] || fail "a 10 MB item took $((peak_kb / 1024)) MB at its peak"
[ "$shown_ms" -lt 8000 ] || fail "a 10 MB item took $shown_ms ms to show"
end_program "a 10 MB item"
[ "$(head -c 10 list.todo)" = "0xxxxxxxxx" ] && [ "$(stat -c %s list.todo)" -eq 10000014 ] \
    || fail "the list with the 10 MB item changed: $(stat -c %s list.todo) bytes"
echo "hostile files end-to-end: ok"
