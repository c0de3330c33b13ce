#!/usr/bin/env bash
# One data folder on two machines: two Syncthing instances on 127.0.0.1 (no
# discovery, relays or NAT, homes of their own) share a folder between two data
# folders, each used by its own copy of the program. A to-do item added on A
# shows in B's window; a note typed on A is in B's editor (B types on after it
# and nothing of A's is lost); both changing the list at once leaves both texts
# on disk and both programs running; A killed while it syncs loses nothing
# that reached its disk.
# $1: the built veltrano. Exits 77 (skipped) where syncthing cannot start.
source "$(dirname "$0")/xsession.sh"
unset DBUS_SESSION_BUS_ADDRESS

skip() { echo "SKIP: $*"; exit 77; }
command -v syncthing >/dev/null || skip "syncthing is not installed (build.sh installs it)"

free_port() {
    python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# Home $1, data folder $2, listen port $3, GUI port $4; prints the device id.
make_syncthing_home() {
    syncthing generate --home="$1" --no-default-folder >"$1.generate.log" 2>&1 || return 1
    syncthing serve --home="$1" --device-id 2>/dev/null
}

# Home $1, folder $2, own ports $3 $4, the peer's id $5 and port $6.
configure_syncthing() {
    python3 - "$@" <<'EOF'
import sys, xml.etree.ElementTree as ET
home, folder, listen, gui, peer, peer_port = sys.argv[1:]
path = home + "/config.xml"
tree = ET.parse(path)
root = tree.getroot()
own = root.find("device").get("id")
opts = root.find("options")
def setopt(name, value):
    el = opts.find(name)
    if el is None:
        el = ET.SubElement(opts, name)
    el.text = value
setopt("listenAddress", "tcp://127.0.0.1:" + listen)
for name, value in [("globalAnnounceEnabled", "false"), ("localAnnounceEnabled", "false"),
                    ("relaysEnabled", "false"), ("natEnabled", "false"), ("urAccepted", "-1"),
                    ("startBrowser", "false"), ("autoUpgradeIntervalH", "0"), ("crashReportingEnabled", "false"),
                    ("reconnectionIntervalS", "1"), ("setLowPriority", "false")]:
    setopt(name, value)
root.find("gui").find("address").text = "127.0.0.1:" + gui
dev = ET.SubElement(root, "device", id=peer, name="peer", compression="metadata", introducer="false")
ET.SubElement(dev, "address").text = "tcp://127.0.0.1:" + peer_port
f = ET.SubElement(root, "folder", id="veltrano", label="veltrano", path=folder, type="sendreceive",
                  rescanIntervalS="5", fsWatcherEnabled="true", fsWatcherDelayS="1", ignorePerms="false")
ET.SubElement(f, "device", id=own)
ET.SubElement(f, "device", id=peer)
ET.SubElement(f, "minDiskFree", unit="%").text = "0"
# A folder read from the file takes no defaults: without this it keeps no
# conflict copies, and the losing side of a conflict is deleted outright.
ET.SubElement(f, "maxConflicts").text = "10"
tree.write(path)
EOF
}

# "syncthing serve" runs the engine in a child of a monitor process: stopping
# the monitor alone leaves the engine syncing.
engine_pids() { echo "$1" $(pgrep -P "$1"); }

api_key() { sed -n 's:.*<apikey>\(.*\)</apikey>.*:\1:p' "$1/config.xml"; }

# Whether syncthing at GUI port $2 (home $1) sees its peer connected.
connected() {
    curl -s -H "X-API-Key: $(api_key "$1")" "http://127.0.0.1:$2/rest/system/connections" \
        | python3 -c 'import json,sys; c=json.load(sys.stdin)["connections"]; sys.exit(0 if any(v["connected"] for v in c.values()) else 1)' \
        2>/dev/null
}

# Waits up to $2 seconds for the shell condition $1.
wait_for() {
    local i
    for i in $(seq $(( ${2:-20} * 10 ))); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Copies the program into data folder $1, set up as a folder in use.
make_copy() {
    mkdir -p "$1/Projects Group/Shared" "$1/Week"
    cp "$PROGRAM" "$1/veltrano"
    printf '[Common]\r\nTo-Do Autostart=0\r\n' >"$1/PM.INI"
    printf '{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs20 \\par}' >"$1/Projects Group/Shared/note.rtf"
    # The program itself, its lock and its half-written files are no data.
    printf 'veltrano\n.~lock.Veltrano.*\n(?d).*.veltrano-save-*\n' >"$1/.stignore"
}

# Starts the copy in data folder $1 with runtime folder $2 on display $3; sets APP_PID.
start_copy() {
    mkdir -m 700 -p "$2"
    (cd "$1" && DISPLAY="$3" XDG_RUNTIME_DIR="$2" exec ./veltrano >"$2.log" 2>&1) &
    APP_PID=$!
    E2E_PIDS+=($APP_PID)
}

# The visible window of process $1 whose caption matches $2, waiting up to $3 seconds.
window_of() {
    local i found
    for i in $(seq $(( ${3:-10} * 10 ))); do
        found=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

# Adds item $2 on the copy whose to-do window is $1.
add_item() {
    # Ctrl+F1 brings the to-do window forward with the keyboard.
    xdotool key ctrl+F1
    sleep 0.3
    xdotool windowfocus --sync "$1"
    sleep 0.2
    xdotool key Insert
    local composer
    composer=$(wait_window "^New To-Do Item$" 5) || fail "Insert did not open the composer"
    xdotool windowfocus --sync "$composer"
    sleep 0.2
    xdotool type --delay 20 "$2"
    xdotool key Return Escape
    wait_gone '^New To-Do Item$' 15 || fail "the composer did not close"
}

# Shows the project "Shared" on main window $1 and puts the caret at the note's end.
open_shared_note() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
    xdotool key alt+v Return Down Return # View > Objects > Worklist: the tree takes the focus
    sleep 0.3
    xdotool key Down Down # Projects Group, Shared
    sleep 0.5
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH * 2 / 5)) $((Y + HEIGHT / 2)) click 1
    sleep 0.2
    xdotool key ctrl+End
}

# Every file of data folder $1 holding the text $2, conflict copies included.
holders() { grep -rlF --exclude=veltrano --exclude-dir=.stversions -- "$2" "$1" 2>/dev/null; }

# The machine whose display the next steps use: A or B.
on() { if [ "$1" = A ]; then export DISPLAY=$DISPLAY_A; else export DISPLAY=$DISPLAY_B; fi; }

PROGRAM=$1
# A display for each machine: each program holds its own global hot keys.
start_display
DISPLAY_A=$DISPLAY
start_display
DISPLAY_B=$DISPLAY
A="$E2E_TMP/machine-a" B="$E2E_TMP/machine-b"
make_copy "$A"
make_copy "$B"

HA="$E2E_TMP/sync-a" HB="$E2E_TMP/sync-b"
LA=$(free_port) LB=$(free_port) GA=$(free_port) GB=$(free_port)
IDA=$(make_syncthing_home "$HA") && IDB=$(make_syncthing_home "$HB") && [ -n "$IDA" ] && [ -n "$IDB" ] \
    || skip "syncthing cannot make its keys: $(cat "$HA.generate.log" 2>/dev/null)"
configure_syncthing "$HA" "$A" "$LA" "$GA" "$IDB" "$LB" || fail "cannot configure syncthing A"
configure_syncthing "$HB" "$B" "$LB" "$GB" "$IDA" "$LA" || fail "cannot configure syncthing B"
for side in A B; do
    home_var="H$side"
    STNODEFAULTFOLDER=1 STNOUPGRADE=1 HOME="$E2E_TMP" syncthing serve --home="${!home_var}" --no-browser --no-restart \
        --logfile="${!home_var}.log" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    eval "SYNC_$side=$!"
done
wait_for 'connected "$HA" "$GA" && connected "$HB" "$GB"' 30 \
    || skip "the two syncthing instances did not connect on 127.0.0.1: $(tail -n 3 "$HA.log" 2>/dev/null)"
echo "-- syncthing A and B connected"

start_copy "$A" "$E2E_TMP/run-a" "$DISPLAY_A"; APP_A=$APP_PID
start_copy "$B" "$E2E_TMP/run-b" "$DISPLAY_B"; APP_B=$APP_PID
# Ctrl+F1 shows the to-do window with the keyboard in it.
on A
MAIN_A=$(window_of "$APP_A" '^Veltrano 1\.1$' 40) || fail "A's main window did not appear; windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|') log: $(tr '\n' '|' <"$E2E_TMP/run-a.log") folder: $(ls -a "$A" | tr '\n' ' ')"
xdotool key ctrl+F1
TODO_A=$(window_of "$APP_A" '^To-Do List: 0$' 10) || fail "A's to-do window did not appear"
on B
MAIN_B=$(window_of "$APP_B" '^Veltrano 1\.1$' 40) || fail "B's main window did not appear"
xdotool key ctrl+F1
window_of "$APP_B" '^To-Do List: 0$' 10 >/dev/null || fail "B's to-do window did not appear"

echo "-- an item added on A shows in B's window"
on A
add_item "$TODO_A" "Milk from A"
added=$(date +%s%N)
wait_for 'grep -q "0Milk from A" "$B/list.todo" 2>/dev/null' 30 || fail "A's item did not reach B's disk"
landed=$(date +%s%N)
on B
window_of "$APP_B" '^To-Do List: 1$' 5 >/dev/null || fail "B's window does not show the item that came in"
echo "   on B's disk $(( (landed - added) / 1000000 )) ms after A's Enter, in B's window $(( ($(date +%s%N) - landed) / 1000000 )) ms later"

echo "-- a note typed on A is in B's editor"
open_shared_note "$MAIN_B"
on A
open_shared_note "$MAIN_A"
xdotool type --delay 30 "typedonA"
wait_for 'grep -q typedonA "$B/Projects Group/Shared/note.rtf" 2>/dev/null' 30 || fail "A's note did not reach B"
sleep 1.5 # B's watch takes it in
on B
xdotool windowfocus --sync "$MAIN_B"
sleep 0.2
xdotool key ctrl+End
xdotool type --delay 30 "thenB"
wait_for 'grep -q thenB "$B/Projects Group/Shared/note.rtf"' 10 || fail "B's typing did not reach its disk"
grep -q typedonA "$B/Projects Group/Shared/note.rtf" \
    || fail "B wrote its note over A's text: $(ls "$B/Projects Group/Shared")"

echo "-- both change the list at once"
kill -STOP $(engine_pids "$SYNC_B")
TODO_B=$(window_of "$APP_B" '^To-Do List: 1$' 5) || fail "B's to-do window is gone"
add_item "$TODO_B" "Only on B"
on A
add_item "$TODO_A" "Only on A"
kill -CONT $(engine_pids "$SYNC_B")
# The engine's conflict copy is made on one side and reaches the other a
# moment later: wait until each side holds both texts.
both_texts() { [ -n "$(holders "$1" "Only on A")" ] && [ -n "$(holders "$1" "Only on B")" ]; }
wait_for 'both_texts "$A" && both_texts "$B"' 40 || {
    for side in A B; do
        folder_var=$side
        both_texts "${!folder_var}" || fail "$side lacks one of the two texts; A: $(ls -a "$A" | tr '\n' ' ') B: $(ls -a "$B" | tr '\n' ' ') holders: $(grep -rF --exclude=veltrano "Only on" "$A" "$B" | tr '\n' ' ')"
    done
}
kill -0 "$APP_A" && kill -0 "$APP_B" || fail "a program ended on the conflict"

echo "-- A killed while it syncs"
on A
for n in 1 2 3; do add_item "$TODO_A" "Late $n"; done
kill -KILL "$APP_A"
wait "$APP_A" 2>/dev/null
for n in 1 2 3; do
    if grep -q "Late $n" "$A/list.todo"; then
        wait_for '[ -n "$(holders "$B" "Late '"$n"'")" ]' 30 || fail "\"Late $n\" reached A's disk but not B's"
    fi
done
grep -q "Late 3" "$A/list.todo" || fail "A's last item was not on its disk when it was killed"
kill -0 "$APP_B" || fail "B ended"
kill -TERM "$APP_B"
wait_exit "$APP_B" 15 || fail "B did not end on SIGTERM"
echo "sync engine end-to-end: ok"
