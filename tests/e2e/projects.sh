#!/usr/bin/env bash
# Projects and their notes on a real X server, driven by keys and clicks: a
# project made through the New Project dialog, a note with Cyrillic text on
# disk after every keystroke, everything still there after SIGKILL, then the
# project renamed and deleted through their dialogs.
# $1: the built veltrano, $2: rtfconv, $3: a folder for the screenshots (optional).
source "$(dirname "$0")/xsession.sh"

RTFCONV=$(realpath "$2") # the tests run from the data folder
[ -x "$RTFCONV" ] || { echo "FAIL: no rtfconv at $2" >&2; exit 1; }
SHOTS="${3:-$E2E_TMP/shots}"
mkdir -p "$SHOTS"

# Screenshot of window $1 into $2.
shoot_window() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2" 2>/dev/null
}

# The text of note $1 (a folder below "Projects Group") as rtfconv reads it;
# a note that is missing or not RTF reads as a line of its own.
note_text() {
    "$RTFCONV" --to text "Projects Group/$1/note.rtf" 2>/dev/null || echo "(unreadable note)"
}

# Waits up to 5 seconds for note $1 to read exactly $2.
wait_note() {
    local i
    for i in $(seq 50); do
        [ "$(note_text "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

# Puts the Cyrillic letters on spare keys of the X keyboard (media keys the
# test does not use). xdotool would otherwise map each letter onto a spare
# key just for its keystroke and take it off again at once, and a program
# that reads the keyboard map after that sees a key with no letter at all.
# Xvfb resets the map when its last client goes: load it with the program up.
cyrillic_keys() {
    local map="$E2E_TMP/keymap.xkb" extra="" code=208 letter
    xkbcomp -w 0 -xkb "$DISPLAY" "$map" || fail "cannot read the keyboard map"
    for letter in a be ve ghe de ie io zhe ze i shorti ka el em en o pe er es te u ef ha tse che sha shcha \
        hardsign yeru softsign e yu ya; do
        extra+="    key <I$code> { [ Cyrillic_$letter, Cyrillic_${letter^^} ] };\n"
        code=$((code + 1))
    done
    sed -i -E '/key <I(20[89]|2[1-4][0-9]|25[0-5])> \{.*\};$/d' "$map"
    awk -v extra="$extra" '/^xkb_symbols/ { s = 1 } s && /^};/ { printf "%s", extra; s = 0 } { print }' \
        "$map" >"$map.cyrillic"
    xkbcomp -w 0 "$map.cyrillic" "$DISPLAY" || fail "cannot load the keyboard map"
}

start_program() {
    ./veltrano >>"$E2E_TMP/veltrano.log" 2>&1 &
    APP=$!
    E2E_PIDS+=($APP)
    MAIN=$(wait_window '^Veltrano 1\.1$' 15)
    [ -n "$MAIN" ] || fail "main window did not appear; the program said: $(tail -5 "$E2E_TMP/veltrano.log" | tr '\n' '|')"
    cyrillic_keys
    xdotool windowfocus --sync "$MAIN"
    sleep 0.3
}

# Opens dialog $2 with the keys $1 and waits for it. With no window manager
# the keyboard does not come back to the main window by itself when a
# dialog closes.
open_dialog() {
    xdotool windowfocus --sync "$MAIN"
    sleep 0.2
    xdotool key $1
    DIALOG=$(wait_window "^$2\$" 10)
    [ -n "$DIALOG" ] || fail "no \"$2\" dialog after $1"
}

# A trash of this run's own, for the delete below.
export XDG_DATA_HOME="$E2E_TMP/data-home"

start_display
make_data_folder "$1"
cd "$DATA"
# A project that was there before, three levels deep, with a formatted note.
mkdir -p "Projects Group/Website/Design/Mockups"
printf '%s\n' '{\rtf1\ansi\deff0{\fonttbl{\f0 DejaVu Sans;}}{\colortbl;\red192\green0\blue0;}' \
    '{\b\fs28 Website} relaunch\par' '{\i Deadline:} {\cf1\b Friday}\par' '\tab Check the {\ul mock-ups}\par}' \
    >"Projects Group/Website/Design/note.rtf"
touch PM.INI # not a first start: no folders made for us

start_program
open_dialog ctrl+Insert "New Project"
shoot_window "$DIALOG" "$SHOTS/new-project.png"
xdotool type --delay 60 "Plan"
xdotool key Return
for _ in $(seq 50); do [ -d "Projects Group/Plan" ] && break; sleep 0.1; done
[ -d "Projects Group/Plan" ] || fail "the project folder was not made"
wait_note Plan "" || fail "the new project's note was not made empty"

# Into the note (the Projects page, left of the worklist), then type, each
# key checked on disk while the program runs.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
xdotool mousemove $((X + WIDTH * 2 / 5)) $((Y + HEIGHT / 2)) click 1
sleep 0.3
sentence="Notes: план на неделю, ёж"
typed=""
for ((i = 0; i < ${#sentence}; i++)); do
    ch=${sentence:i:1}
    xdotool type --delay 0 -- "$ch"
    typed+=$ch
    if ! wait_note Plan "$typed"; then
        shoot_window "$MAIN" "$SHOTS/failed-typing.png"
        fail "after key $((i + 1)) the note reads '$(note_text Plan)', not '$typed'"
    fi
done
shoot_window "$MAIN" "$SHOTS/note-typed.png"

kill -KILL "$APP"
wait "$APP" 2>/dev/null
[ "$(note_text Plan)" = "$sentence" ] || fail "after SIGKILL the note reads '$(note_text Plan)'"

# The worklist as it starts: the three-level tree and the formatted note.
start_program
xdotool key alt+v Return Down Return # View > Objects > Worklist: the tree takes the focus
sleep 0.3
xdotool key Down Down Down # Projects Group, Plan, Website, Design
sleep 0.5
shoot_window "$MAIN" "$SHOTS/worklist.png"
for size in "640 450" "600 400"; do
    xdotool windowsize --sync "$MAIN" $size
    sleep 0.5
    shoot_window "$MAIN" "$SHOTS/worklist-${size/ /x}.png"
done
xdotool windowsize --sync "$MAIN" 780 590
sleep 0.3

# Rename Plan through Direction > Projects > Rename...
xdotool key Up Up # back to Plan
sleep 0.3
open_dialog "alt+d Right Down Return" "Rename:"
shoot_window "$DIALOG" "$SHOTS/rename.png"
xdotool type --delay 60 "Plans"
xdotool key Return
for _ in $(seq 50); do [ -d "Projects Group/Plans" ] && break; sleep 0.1; done
[ -d "Projects Group/Plans" ] && [ ! -e "Projects Group/Plan" ] || fail "Plan was not renamed: $(ls "Projects Group")"
[ "$(note_text Plans)" = "$sentence" ] || fail "the renamed project lost its note"

# Delete it: Ctrl+Del with the renamed project selected.
open_dialog ctrl+Delete "Delete Structure:"
shoot_window "$DIALOG" "$SHOTS/delete.png"
xdotool key Return
for _ in $(seq 50); do [ ! -e "Projects Group/Plans" ] && break; sleep 0.1; done
[ ! -e "Projects Group/Plans" ] || fail "Plans was not deleted"
[ -f "Projects Group/Website/Design/note.rtf" ] || fail "the delete took more than the project"
# In the desktop's trash, whole, with where it came from: a file manager can
# bring it back.
TRASH="$XDG_DATA_HOME/Trash"
[ "$("$RTFCONV" --to text "$TRASH/files/Plans/note.rtf" 2>/dev/null)" = "$sentence" ] \
    || fail "the deleted project is not in the trash with its note: $(ls -R "$TRASH" 2>&1)"
grep -qx "Path=$(printf '%s' "$DATA/Projects Group/Plans" | sed 's/ /%20/g')" "$TRASH/info/Plans.trashinfo" \
    || fail "the trash does not say where Plans came from: $(cat "$TRASH/info/Plans.trashinfo" 2>&1)"

# The delete selected the root; below Website a new structure is a sub.
open_dialog "Down alt+d Right Return" "New Sub:"
shoot_window "$DIALOG" "$SHOTS/new-sub.png"
xdotool key Escape

kill -TERM "$APP"
wait_exit "$APP" 15 || fail "the program did not end on SIGTERM"
echo "projects end-to-end: ok"
