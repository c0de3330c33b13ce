#!/usr/bin/env bash
# The alarm and the desk clock on a real X server. An alarm a few seconds
# ahead plays a short .wav, then a .mid, through the real media back end,
# which says so under QT_LOGGING_RULES and is loaded only then; Shift+F1
# shows "Deduvi Clock" and its screenshot shows the navy dial.
# $1: the built veltrano, $2: its sound module, $3: the folder of the test
# sounds, $4: a folder for the screenshots (optional).
source "$(dirname "$0")/xsession.sh"

SHOTS="${4:-$E2E_TMP/shots}"
mkdir -p "$SHOTS"
export QT_LOGGING_RULES="veltrano.sound=true"
# The C locale's long time is HH:mm:ss, which `date` writes too.
export LC_ALL=C.UTF-8
# Seconds between starting the program and its alarm: enough for a slow start.
AHEAD=8

# Waits up to $3 seconds for file $1 to contain the fixed text $2.
wait_log() {
    timeout "$3" sh -c 'tail -n +1 -f "$1" | grep -qF -m 1 -- "$2"' _ "$1" "$2"
}

media_loaded() {
    grep -q libQt6Multimedia "/proc/$1/maps"
}

# Starts the program with an alarm $AHEAD seconds ahead that plays $1 and
# checks that the player reached playing it, with nothing of the media back
# end in the program before.
ring_with() {
    local sound=$1 log="$E2E_TMP/$(basename "$1").log" at
    at=$(date -d "+$AHEAD seconds" +%H:%M:%S)
    printf '[MainForm]\r\nAlarm1Sound=%s\r\nAlarm1Time=%s\r\nAlarm1Checked=1\r\n' "$sound" "$at" >PM.INI
    ./veltrano >"$log" 2>&1 &
    APP=$!
    E2E_PIDS+=($APP)
    [ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "main window did not appear"
    media_loaded $APP && fail "the media back end was loaded at start-up"
    wait_log "$log" "playing \"$sound\"" $((AHEAD + 20)) || fail "the alarm at $at did not play $sound: $(cat "$log")"
    media_loaded $APP || fail "playing without the media back end?"
    grep -qF "cannot play" "$log" && fail "the player reported a failure: $(cat "$log")"
    echo "alarm at $at played $(basename "$sound")"
}

start_display
make_data_folder "$1"
cp "$2" "$DATA/"
cd "$DATA"
make_data_subfolders

echo "-- with no audio output the alarm says it cannot play"
# A sound server that is not there, and no sound card.
at=$(date -d "+$AHEAD seconds" +%H:%M:%S)
printf '[MainForm]\r\nAlarm1Sound=%s\r\nAlarm1Time=%s\r\nAlarm1Checked=1\r\n' "$3/beep.wav" "$at" >PM.INI
PULSE_SERVER="unix:$E2E_TMP/no-such-server" ./veltrano >"$E2E_TMP/silent.log" 2>&1 &
APP=$!
E2E_PIDS+=($APP)
[ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "main window did not appear"
wait_log "$E2E_TMP/silent.log" "no audio output to play" $((AHEAD + 20)) \
    || fail "the alarm at $at did not find out that nothing can be heard: $(cat "$E2E_TMP/silent.log")"
grep -qF "playing \"" "$E2E_TMP/silent.log" && fail "the alarm claims to play with no audio output"
BOX=$(wait_window '^Veltrano$' 10)
[ -n "$BOX" ] || fail "no message about the sound that cannot be played"
sleep 0.3
shoot_window "$BOX" "$SHOTS/no-audio-output.png"
kill -TERM $APP
wait_exit $APP 15 || fail "program did not end"

start_null_sound
echo "-- the alarm rings with a .wav"
ring_with "$3/beep.wav"
kill -TERM $APP
wait_exit $APP 15 || fail "program did not end"
grep -qF "Alarm1Checked=1" PM.INI || fail "the alarm did not stay ticked"

echo "-- the alarm rings with a .mid"
ring_with "$3/chime.mid"

echo "-- Shift+F1 shows the desk clock"
xdotool key shift+F1
CLOCK=$(wait_window '^Deduvi Clock$' 10)
[ -n "$CLOCK" ] || fail "Shift+F1 did not show the clock"
sleep 1.2
import -window "$CLOCK" "$SHOTS/clock.png" 2>/dev/null || fail "no screenshot of the clock"
eval "$(xdotool getwindowgeometry --shell "$CLOCK")"
[ "$WIDTH" = 171 ] && [ "$HEIGHT" = 187 ] || fail "clock client area ${WIDTH}x${HEIGHT}, not 171x187"
# The dial is a disc of navy about 74 pixels in radius, less hands and ticks.
navy=$(convert "$SHOTS/clock.png" -format %c histogram:info:- | awk '/#000080/ {print $1 + 0}')
[ "${navy:-0}" -gt 12000 ] || fail "the clock shows ${navy:-no} navy pixels, not a dial"
echo "clock: ${navy} navy pixels"

kill -TERM $APP
wait_exit $APP 15 || fail "program did not end"
echo "clocks: ok"
