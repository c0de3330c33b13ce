#!/usr/bin/env bash
# The console line on a real X server: "help" shows Keymap Info, a program
# name in any letter case starts that program from PATH, a file goes to the
# desktop's opener exactly as typed and one it has no program for is told,
# texts with shell syntax start nothing, and "exit" ends the program through
# the normal shutdown. Keymap Info and the password generator are photographed.
# $1: the built veltrano, $2: a folder for the screenshots (optional).
source "$(dirname "$0")/xsession.sh"

SHOTS="${2:-$E2E_TMP/shots}"
mkdir -p "$SHOTS"
# Whatever went wrong, "~" is a throw-away folder.
export HOME="$E2E_TMP/home"
mkdir -p "$HOME"
touch "$HOME/canary"
MARKS="$E2E_TMP/marks"
mkdir -p "$MARKS"

# Programs on the test PATH; the upper-case ones are what a shell would run
# if an upper-cased console text ever reached one.
BIN="$E2E_TMP/bin"
mkdir -p "$BIN"
program() {
    printf '#!/bin/sh\necho "$0" >> "%s/%s"\n' "$MARKS" "$2" >"$BIN/$1"
    chmod +x "$BIN/$1"
}
program marker marker
for name in INJECTED TOUCH RM; do program "$name" injected; done
# The desktop's opener: notes what it is given; it has no program for ".xyz".
printf '#!/bin/sh\necho "$1" >> "%s/opened"\ncase "$1" in *.xyz) exit 3;; esac\nexit 0\n' "$MARKS" >"$BIN/xdg-open"
chmod +x "$BIN/xdg-open"
DOCS="$E2E_TMP/docs"
mkdir -p "$DOCS"
touch "$DOCS/Report.txt" "$DOCS/REPORT.TXT" "$DOCS/drawing.xyz"
export PATH="$BIN:$PATH"

# Waits up to $3 seconds for file $1 to have $2 lines.
wait_lines() {
    local i
    for i in $(seq $(( ${3:-10} * 10 ))); do
        [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits for the dialog captioned $1, photographs it as $2.png and closes it
# with key $3.
photograph_and_close() {
    local dialog
    dialog=$(wait_window "^$1\$" 10)
    [ -n "$dialog" ] || fail "no $1 dialog"
    sleep 0.3
    shoot_window "$dialog" "$SHOTS/$2.png"
    xdotool key "$3"
    wait_gone "^$1\$" 5 || fail "$3 did not close $1"
}

# Clicks into the console line: the bottom row above the status bar.
focus_console() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    xdotool mousemove $((X + 150)) $((Y + HEIGHT - 19 - 12)) click 1
    sleep 0.3
}

# Types $1 into the console and presses Enter.
console() {
    focus_console
    xdotool type --delay 20 -- "$1"
    xdotool key Return
}

start_display
make_data_folder "$1"
cd "$DATA"

./veltrano >"$E2E_TMP/console.log" 2>&1 &
APP=$!
E2E_PIDS+=($APP)
MAIN=$(wait_window '^Veltrano 1\.1$' 15)
[ -n "$MAIN" ] || fail "main window did not appear"
# The greeting balloon has the program's title too; let it go first.
wait_gone '^Veltrano$' 10 || fail "the greeting stayed on screen"
sleep 0.5

echo "-- help"
console help
photograph_and_close 'Keymap Info' keymap-info Return

echo "-- a program from PATH, in any case"
console marker
wait_lines "$MARKS/marker" 1 10 || fail "'marker' did not start the program"
console MaRkEr
wait_lines "$MARKS/marker" 2 10 || fail "'MaRkEr' did not start the program"

echo "-- files as typed; one with no program for it is told"
console "$DOCS/Report.txt"
wait_lines "$MARKS/opened" 1 10 || fail "the file did not reach the desktop's opener"
[ "$(cat "$MARKS/opened")" = "$DOCS/Report.txt" ] || fail "the opener was given: $(cat "$MARKS/opened")"
console "$DOCS/drawing.xyz"
wait_lines "$MARKS/opened" 2 10 || fail "the second file did not reach the desktop's opener"
[ -n "$(wait_window '^Veltrano$' 10)" ] || fail "no 'Unknown operator' for a file no program opens"
xdotool key Return
wait_gone '^Veltrano$' 5 || fail "the message for the file with no program did not close"

echo "-- shell syntax"
for text in '; injected' '$(injected)' '`injected`' 'marker; injected' 'marker && injected' \
            '; rm -rf ~' "\$(touch $MARKS/touched)" '"injected"'; do
    console "$text"
    [ -n "$(wait_window '^Veltrano$' 10)" ] || fail "no 'Unknown operator' for: $text"
    xdotool key Return
    wait_gone '^Veltrano$' 5 || fail "the message for '$text' did not close"
done
sleep 0.5
[ ! -e "$MARKS/injected" ] || fail "a console text ran a program: $(cat "$MARKS/injected")"
[ ! -e "$MARKS/touched" ] || fail "a console text ran touch"
[ -e "$HOME/canary" ] || fail "a console text removed files"
[ "$(wc -l <"$MARKS/marker")" -eq 2 ] || fail "a console text started 'marker'"

echo "-- password generator"
focus_console
xdotool key alt+w
sleep 0.5
xdotool key Down Return
photograph_and_close 'Password Generator' password-generator Escape

echo "-- exit"
rm -f PM.INI
console exit
wait_exit "$APP" 15 || fail "'exit' did not end the program"
[ -f PM.INI ] || fail "no PM.INI after 'exit'"
grep -q '^\[MainForm\]' PM.INI || fail "the main window did not write its keys"
echo "console end-to-end: ok"
