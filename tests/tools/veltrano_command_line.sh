#!/usr/bin/env bash
# veltrano's command line: --help and --version answer without a display and
# without touching the data folder; any other argument still starts the program.
# $1: the built veltrano executable; $2: the project version.
set -u
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
failures=0
check() { if [ "$1" != 0 ]; then echo "FAIL: $2"; failures=$((failures + 1)); else echo "ok: $2"; fi; }

# A portable copy: its own writable folder is its data folder. Every other
# place it could write to is inside $tmp too.
mkdir -p "$tmp/app" "$tmp/home" "$tmp/runtime"
chmod 700 "$tmp/runtime"
cp "$1" "$tmp/app/veltrano"
version=$2
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" XDG_DATA_HOME="$tmp/home/data"
export XDG_CONFIG_HOME="$tmp/home/config" XDG_CACHE_HOME="$tmp/home/cache"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
state() { (cd "$tmp" && find . -mindepth 1 -path ./out -prune -o -path ./err -prune -o -printf '%p %s %T@\n' | sort); }
run() { (cd "$tmp/app" && timeout 20 ./veltrano "$@") >"$tmp/out" 2>"$tmp/err"; rc=$?; }

before=$(state)
run --version
[ $rc = 0 ] && [ "$(cat "$tmp/out")" = "veltrano $version" ] && [ ! -s "$tmp/err" ]
check $? "--version prints 'veltrano $version' with no display"
for option in --help -h; do
    run "$option"
    [ $rc = 0 ] && grep -q -- '--version' "$tmp/out" && grep -q -- '--help' "$tmp/out" && [ ! -s "$tmp/err" ]
    check $? "$option prints the usage with no display"
done
run -reverse --version
[ $rc = 0 ] && [ "$(cat "$tmp/out")" = "veltrano $version" ]; check $? "Qt's -reverse is not read as -v"
after=$(state)
[ "$before" = "$after" ]; check $? "data folder, home and runtime folder untouched"
[ "$before" = "$after" ] || diff <(echo "$before") <(echo "$after")

# Arguments it does not know never stopped the program from starting.
(cd "$tmp/app" && exec env QT_QPA_PLATFORM=offscreen ./veltrano --frobnicate -x note.rtf) >"$tmp/out" 2>"$tmp/err" &
pid=$!
# Still running after three seconds: a usage error would have ended it at once.
for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null; check $? "unknown arguments are ignored: the program runs"
kill -TERM "$pid" 2>/dev/null
wait "$pid"; rc=$?
pid=
[ $rc = 0 ] && [ -f "$tmp/app/PM.INI" ]; check $? "and ends normally on SIGTERM, saving its settings"

[ "$failures" = 0 ]
