#!/usr/bin/env bash
# Takes the screenshot the AppStream metadata shows: the program in a fresh
# data folder with a day's plan, on a private Xvfb, the main window alone.
# $1: the built veltrano executable; $2: the PNG to write.
set -euo pipefail
exe=$(realpath "$1")
out=$(realpath -m "$2")
tmp=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done; rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/displayfd" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do n=$(tr -dc '0-9' <"$tmp/displayfd"); [ -n "$n" ] && break; sleep 0.05; done
export DISPLAY=":$n"

mkdir -p "$tmp/data/Week" "$tmp/data/Projects Group/Garden/Seeds" "$tmp/data/Projects Group/Kitchen"
cp "$exe" "$tmp/data/veltrano"
today=$(LC_ALL=C date +%A)
for day in Monday Tuesday Wednesday Thursday Friday Saturday Sunday; do
    for h in $(seq 0 23); do
        case "$day:$h" in
            "$today:7") echo "Run along the river" ;;
            "$today:9") echo "Plan the week" ;;
            "$today:11") echo "Call the seed shop" ;;
            "$today:13") echo "Lunch with Anna" ;;
            "$today:15") echo "Write up the garden notes" ;;
            "$today:18") echo "Choir practice" ;;
            *) echo "none" ;;
        esac
    done | sed 's/$/\r/' > "$tmp/data/Week/$day.txt"
done
printf 'Buy tomato seeds\r\nWater the seedlings\r\nFix the kitchen tap\r\n' > "$tmp/data/list.todo"

(cd "$tmp/data" && exec ./veltrano) >/dev/null 2>&1 &
pids+=($!)
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Veltrano [0-9.]*$' | head -n 1)
sleep 2
import -window "$win" "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
