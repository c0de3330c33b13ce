#!/usr/bin/env bash
# The Timeline editor and the Today view on a real X server: a filled week,
# the editor opened from the menu, today's button chosen, an hour edited,
# the editor closed; then the day file on disk, and the Today view holding the
# new entry (its Today Editor opens with it). $1: the built veltrano, $2: a
# folder for the screenshots (optional).
source "$(dirname "$0")/xsession.sh"

SHOTS="${2:-$E2E_TMP/shots}"
mkdir -p "$SHOTS"

# Line $2 (from 0) of day file $1, without its CR LF.
day_line() {
    sed -n "$(( $2 + 1 ))p" "Week/$1.txt" | tr -d '\r'
}

start_display
make_data_folder "$1"
cd "$DATA"
mkdir Week
for day in Sunday Monday Tuesday Wednesday Thursday Friday Saturday; do
    for hour in $(seq 0 23); do printf '%s %d:00 plan\r\n' "$day" "$hour"; done >"Week/$day.txt"
done
TODAY=$(LC_ALL=C date +%A)

./veltrano >"$E2E_TMP/veltrano.log" 2>&1 &
E2E_PIDS+=($!)
MAIN=$(wait_window '^Veltrano 1\.1$' 15)
[ -n "$MAIN" ] || fail "main window did not appear"
sleep 0.5
xdotool windowfocus --sync "$MAIN"
shoot_window "$MAIN" "$SHOTS/today.png"

# Direction > Timeline..., the menu's last item.
xdotool key alt+d
sleep 0.3
xdotool key Up Return
EDITOR=$(wait_window '^Timeline$' 10)
[ -n "$EDITOR" ] || fail "the Timeline editor did not open from the menu"
sleep 0.3
# Tab from the grid reaches the day buttons, Monday first: today's button.
xdotool key --repeat "$(date +%u)" Tab
xdotool key space Down Down Down Down Down Down Down Down Down Return
EDIT_ITEM=$(wait_window '^Edit Item$' 10)
[ -n "$EDIT_ITEM" ] || fail "Edit Item did not open on Enter"
sleep 0.2
xdotool type --delay 20 "Gym at nine"
shoot_window "$EDIT_ITEM" "$SHOTS/edit-item.png"
xdotool key Return
wait_gone '^Edit Item$' 5 || fail "Edit Item stayed open after Enter"
sleep 0.3
shoot_window "$EDITOR" "$SHOTS/timeline.png"
xdotool key Escape
wait_gone '^Timeline$' 5 || fail "Escape did not close the Timeline editor"

[ "$(day_line "$TODAY" 9)" = "Gym at nine" ] || fail "Week/$TODAY.txt row 9: '$(day_line "$TODAY" 9)'"
[ "$(day_line "$TODAY" 8)" = "$TODAY 8:00 plan" ] || fail "Week/$TODAY.txt row 8 changed"
[ "$(wc -l <"Week/$TODAY.txt")" -eq 24 ] || fail "Week/$TODAY.txt is not 24 lines"

# The Today view shows the new entry: its Today Editor opens on it.
xdotool windowfocus --sync "$MAIN"
sleep 0.3
shoot_window "$MAIN" "$SHOTS/today-after.png"
xdotool key Down Down Down Down Down Down Down Down Down Return
[ -n "$(wait_window '^Today Editor$' 10)" ] || fail "the Today Editor did not open on Enter"
sleep 0.2
xdotool key End
xdotool type --delay 20 " ok"
xdotool key Return
wait_gone '^Today Editor$' 5 || fail "the Today Editor stayed open after Enter"
[ "$(day_line "$TODAY" 9)" = "Gym at nine ok" ] || fail "the Today view did not hold the edit: '$(day_line "$TODAY" 9)'"
echo "timeline end-to-end: ok"
