#!/usr/bin/env bash
# An installed program keeps its data per user, even where it could write
# beside itself (bin/ of a prefix the user owns, or /usr/bin for root); a
# portable copy in a read-only folder keeps using the data it holds.
# $1: the build folder.
source "$(dirname "$0")/xsession.sh"

start_display
export HOME="$E2E_TMP/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
PREFIX="$E2E_TMP/prefix"
timeout 120 cmake --install "$1" --prefix "$PREFIX" >/dev/null || fail "cmake --install failed"

# Runs $1 until its main window shows, then ends it as a log-out would.
run_once() {
    "$1" >"$E2E_TMP/run.log" 2>&1 &
    local pid=$!
    E2E_PIDS+=($pid)
    [ -n "$(wait_window '^Veltrano 1\.1$' 15)" ] || fail "$1: main window did not appear"
    kill -TERM "$pid"
    wait_exit "$pid" 15 || fail "$1 did not end on SIGTERM"
}

[ -w "$PREFIX/bin" ] || fail "the test prefix should be writable"
run_once "$PREFIX/bin/veltrano"
[ -e "$PREFIX/bin/PM.INI" ] && fail "the installed program wrote PM.INI into bin/"
[ -e "$PREFIX/bin/Week" ] && fail "the installed program made Week in bin/"
[ -f "$HOME/.local/share/Veltrano/PM.INI" ] || fail "no PM.INI in ~/.local/share/Veltrano"

# Root may write any folder; the read-only copy needs an ordinary user.
if [ "$(id -u)" -ne 0 ]; then
    make_data_folder "$PREFIX/bin/veltrano"
    printf '[ToolBars]\r\nStatus=0\r\n' >"$DATA/PM.INI"
    chmod 555 "$DATA"
    "$DATA/veltrano" >"$E2E_TMP/portable.log" 2>&1 &
    PID=$!
    E2E_PIDS+=($PID)
    [ -n "$(wait_window '^Veltrano$' 15)" ] || fail "a read-only portable copy did not say that changes cannot be saved"
    kill -TERM "$PID"
    wait_exit "$PID" 15 || fail "the read-only portable copy did not end on SIGTERM"
    chmod 755 "$DATA"
    [ -e "$HOME/.local/share/Veltrano/list.todo" ] && fail "the read-only portable copy used the per-user folder"
fi
echo "installed data folder end-to-end: ok"
