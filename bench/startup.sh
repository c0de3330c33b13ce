#!/usr/bin/env bash
# Whole-process figures: time from exec to the main window on screen, and the
# resident memory once it is up. Runs the program N times (default 10) under a
# private Xvfb in a fresh data folder each time.
# Usage: bench/startup.sh path/to/veltrano [N]
source "$(dirname "$0")/../tests/e2e/xsession.sh"
BIN=$1
RUNS=${2:-10}
start_display
times=()
for i in $(seq "$RUNS"); do
    make_data_folder "$BIN"
    t0=$(date +%s%N)
    (cd "$DATA" && exec ./veltrano >/dev/null 2>>"$E2E_TMP/../veltrano-bench.log") &
    pid=$!
    E2E_PIDS+=($pid)
    # Tight polling: xdotool's own --sync waits in half-second steps.
    for _ in $(seq 2000); do
        kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
        xdotool search --onlyvisible --name '^Veltrano 1\.1$' >/dev/null 2>&1 && break
        sleep 0.005
    done
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
    sleep 0.5
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"; wait_exit "$pid" 10
    rm -rf "$DATA"
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start-up to visible main window, ms (min / median / max of $RUNS):" \
     "$(echo "$sorted" | head -1) / $(echo "$sorted" | sed -n "$(( (RUNS + 1) / 2 ))p") / $(echo "$sorted" | tail -1)"
echo "resident memory after start-up: ${rss} KiB"
