#!/usr/bin/env bash
# The tray, hiding and restoring, and the global hot keys on a real X server:
# first with a tray host (trayer), then with none while another program holds
# Ctrl+F1. $1: the built veltrano, $2: the grab_key helper, $3: a folder for
# the screenshots (optional).
source "$(dirname "$0")/xsession.sh"

SHOTS="${3:-$E2E_TMP/shots}"
mkdir -p "$SHOTS"
export QT_LOGGING_RULES="veltrano.hotkeys=true"
# No notification service: balloons without a tray must fall back to our popup.
unset DBUS_SESSION_BUS_ADDRESS

# Waits up to $3 seconds (default 10) for file $1 to contain the fixed text $2.
wait_log() {
    local i
    for i in $(seq $(( ${3:-10} * 10 ))); do
        grep -qF -- "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# "X Y" of the middle of our icon in the tray (the small window of ours that
# the tray host has taken in; until then it waits at the screen's origin).
tray_icon_centre() {
    xwininfo -root -tree | awk '/"Veltrano": \("veltrano"/ {
        split($(NF-1), g, /[x+]/); n = split($NF, a, "+");
        if (g[1] <= 64 && g[2] <= 64 && a[2] + a[3] > 0) { print a[2] + int(g[1] / 2), a[3] + int(g[2] / 2); exit } }'
}

# "X Y W H" of the greeting balloon: the one window of ours titled "Veltrano"
# that is larger than a tray icon.
balloon_box() {
    xwininfo -root -tree | awk '/"Veltrano": \("veltrano"/ {
        split($(NF-1), g, /[x+]/); n = split($NF, a, "+");
        if (g[1] > 64) { print a[2], a[3], g[1], g[2]; exit } }'
}

# Opens the tray menu and walks it with the keys given.
tray_menu() {
    xdotool mousemove $ICON_X $ICON_Y click 3
    sleep 0.6
    xdotool key "$@"
}

start_display
make_data_folder "$1"
cd "$DATA"

echo "-- with a tray host"
trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 --transparent false >/dev/null 2>&1 &
TRAYER=$!
E2E_PIDS+=($TRAYER)
timeout 10 xdotool search --sync --name '^panel$' >/dev/null || fail "trayer did not start"

# A tray host too busy to take the new icon in at once: the greeting must not
# point at the screen's corner meanwhile.
kill -STOP $TRAYER
./veltrano >"$E2E_TMP/tray.log" 2>&1 &
APP=$!
E2E_PIDS+=($APP)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || { kill -CONT $TRAYER; fail "main window did not appear"; }
sleep 0.4
read -r EARLY_X EARLY_Y EARLY_W EARLY_H < <(balloon_box)
kill -CONT $TRAYER
for _ in $(seq 50); do
    read -r ICON_X ICON_Y < <(tray_icon_centre) && [ -n "${ICON_X:-}" ] && break
    sleep 0.2
done
[ -n "${ICON_X:-}" ] || fail "no tray icon in the tray"
# The greeting points at the icon, not at a corner of the screen.
for _ in $(seq 20); do
    read -r BX BY BW BH < <(balloon_box) && [ -n "${BX:-}" ] && break
    sleep 0.1
done
[ -n "${BX:-}" ] || fail "no greeting balloon beside the tray"
sleep 0.3
import -window root -crop 360x160+920+864 "$SHOTS/tray.png" 2>/dev/null
# Above the icon, its arrow on it.
beside_icon() {
    [ $((ICON_X - $1)) -ge -40 ] && [ $((ICON_X - $1 - $3)) -le 40 ] && [ $((ICON_Y - $2 - $4)) -ge -40 ] \
        && [ $((ICON_Y - $2 - $4)) -le 40 ]
}
beside_icon "$BX" "$BY" "$BW" "$BH" || fail "greeting balloon at $BX,$BY ${BW}x$BH, the icon at $ICON_X,$ICON_Y"
[ -z "${EARLY_X:-}" ] || beside_icon "$EARLY_X" "$EARLY_Y" "$EARLY_W" "$EARLY_H" \
    || fail "before the tray took the icon in, the greeting stood at $EARLY_X,$EARLY_Y"
# The pointer resting on the greeting does not keep it up past its time.
xdotool mousemove $((BX + BW / 2)) $((BY + BH / 2))
for _ in $(seq 50); do
    [ -z "$(balloon_box)" ] && break
    sleep 0.1
done
[ -z "$(balloon_box)" ] || fail "the greeting stayed up under the pointer past its 3000 ms"

tray_menu Down Down Return # "Hide"
wait_gone '^Veltrano 1\.1$' 5 || fail "tray menu Hide left the main window on screen"
xdotool key ctrl+F1
wait_log "$E2E_TMP/tray.log" "hot key 1 pressed" 5 || fail "Ctrl+F1 did not reach the hidden program"

xdotool mousemove $ICON_X $ICON_Y click --repeat 2 --delay 80 1
[ -n "$(wait_window '^Veltrano 1\.1$' 5)" ] || fail "double-click on the tray icon did not bring the window back"

tray_menu Up Up Right Return # "Help" > "About..."
ABOUT=$(wait_window '^About$' 5)
[ -n "$ABOUT" ] || fail "About box did not open from the tray menu"
sleep 0.3
shoot_window "$ABOUT" "$SHOTS/about.png"
xdotool windowfocus "$ABOUT" key Escape
wait_gone '^About$' 5 || fail "Esc did not close the About box"

tray_menu Down Down Return # "Hide"
wait_gone '^Veltrano 1\.1$' 5 || fail "tray menu Hide left the main window on screen"
kill -TERM $TRAYER
wait_exit $TRAYER 5 || fail "trayer did not end"
[ -n "$(wait_window '^Veltrano 1\.1$' 5)" ] || fail "the tray went away and left the main window hidden"

kill -TERM $APP
wait_exit $APP 15 || fail "program did not end"

echo "-- no tray host, Ctrl+F1 held by another program"
"$2" 120 >"$E2E_TMP/grab.out" 2>&1 &
GRAB=$!
E2E_PIDS+=($GRAB)
wait_log "$E2E_TMP/grab.out" grabbed 5 || fail "grab_key could not take Ctrl+F1: $(cat "$E2E_TMP/grab.out")"

./veltrano >"$E2E_TMP/notray.log" 2>&1 &
APP=$!
E2E_PIDS+=($APP)
BOX=$(wait_window '^Veltrano$' 15)
[ -n "$BOX" ] || fail "no message about the refused hot key"
wait_log "$E2E_TMP/notray.log" "hot key 1 refused (held by another program)" 5 || fail "Ctrl+F1 was not refused"
grep -qF "hot key 2 refused" "$E2E_TMP/notray.log" && fail "Shift+F1 was refused as well"
sleep 0.3
shoot_window "$BOX" "$SHOTS/refusal.png"
xdotool windowfocus "$BOX" key Return
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "main window did not appear after the message"
POPUP=$(wait_window '^Veltrano$' 3)
[ -n "$POPUP" ] || fail "no greeting popup on a desktop without tray or notification service"
eval "$(xdotool getwindowgeometry --shell "$POPUP" | grep -E '^(X|Y)=')"
[ "$X" -gt 640 ] && [ "$Y" -gt 512 ] || fail "greeting popup not near the bottom-right corner ($X, $Y)"
sleep 0.5
import -window root "$SHOTS/notray.png" 2>/dev/null

xdotool key shift+F1
wait_log "$E2E_TMP/notray.log" "hot key 2 pressed" 5 || fail "Shift+F1 did not reach the program"
xdotool key ctrl+F1
sleep 1
grep -qF "hot key 1 pressed" "$E2E_TMP/notray.log" && fail "Ctrl+F1 reached us although another program holds it"

kill -TERM $APP
wait_exit $APP 15 || fail "program did not end"
echo "tray and hot keys end-to-end: ok"
