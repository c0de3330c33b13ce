#!/usr/bin/env bash
# Idle CPU with the desk clock open and the alarm on, measured by the shared
# start-up bench beside a bare Qt window. The program runs from a copy in a
# temp folder (its own PM.INI there); Shift+F1 opens the clock once the main
# window is up, well before the idle window begins.
# Usage: bench/clocks_idle.sh build-rel/src/veltrano [RUNS]
#   STARTUP_BENCH  the bench (default ../shared/startup-bench/startup-bench)
set -euo pipefail
BIN=$(realpath "$1")
RUNS=${2:-3}
BENCH=${STARTUP_BENCH:-../shared/startup-bench/startup-bench}
HERE=$(mktemp -d /tmp/veltrano-idle.XXXXXX)
trap 'rm -rf "$HERE"' EXIT

cp "$BIN" "$(dirname "$BIN")/veltrano-sound.so" "$HERE/"
# An alarm that is on but does not ring while we measure.
printf '[MainForm]\r\nAlarm1Time=4:44:44 never\r\nAlarm1Checked=1\r\n' >"$HERE/PM.INI"
mkdir "$HERE/Week" "$HERE/Projects Group" # as a first start leaves them
cat >"$HERE/with-clock" <<'LAUNCH'
#!/bin/sh
"$(dirname "$0")/veltrano" &
app=$!
for _ in $(seq 200); do
    xdotool search --onlyvisible --name '^Veltrano 1\.1$' >/dev/null 2>&1 && break
    sleep 0.05
done
xdotool key shift+F1
wait $app
LAUNCH
chmod +x "$HERE/with-clock"
mkdir -p "$HERE/shots"
"$BENCH" --run "$RUNS" --idle 30 --floor --shots "$HERE/shots" --name veltrano-clock -- "$HERE/with-clock"
# The last run's screen, to see the clock was open while idle.
cp "$(ls "$HERE"/shots/veltrano-clock.*.png | tail -1)" /tmp/veltrano-idle-last.png 2>/dev/null || true
