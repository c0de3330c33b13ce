# Sourced by the end-to-end scripts: a private Xvfb display, a temp data folder
# with a copy of the program, and clean-up of everything on exit.
set -u
# The program must meet the X server below, whatever platform the caller chose.
unset QT_QPA_PLATFORM

E2E_PIDS=()
E2E_TMP=$(mktemp -d /tmp/veltrano-e2e.XXXXXX)
# A runtime folder of our own: the one-copy lock lives there, so a copy of the
# program that the user (or another test) runs does not count as ours.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

e2e_cleanup() {
    for pid in "${E2E_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts a private Xvfb; the server picks a free display number itself
# (-displayfd), so parallel runs never race for one.
start_display() {
    # A file of its own per display: a second display read from the first
    # one's file before its own Xvfb has written would get the first number.
    local fifo n=""
    fifo=$(mktemp -u "$E2E_TMP/displayfd.XXXXXX")
    # -noreset: a server left without clients (a program killed and started
    # again) would otherwise reset and refuse the next one meanwhile.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        n=$(tr -dc '0-9' <"$fifo" 2>/dev/null)
        [ -n "$n" ] && break
        sleep 0.05
    done
    [ -n "$n" ] || fail "Xvfb did not start"
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "Xvfb did not answer on :$n"
}

# A window manager on the display (openbox), for what only one can do:
# stacking, iconifying, focus.
start_window_manager() {
    command -v openbox >/dev/null || fail "no openbox for a window manager"
    openbox >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    fail "openbox did not start"
}

# The client windows from bottom to top, as the window manager stacks them.
stacking_order() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, / /g'
}

# A sound server of the test's own with a null sink: an audio output that
# nobody hears. Needs pulseaudio (build.sh installs it).
start_null_sound() {
    command -v pulseaudio >/dev/null || fail "no pulseaudio to give the program an audio output"
    local socket="$E2E_TMP/pulse-native"
    XDG_RUNTIME_DIR="$E2E_TMP/runtime" HOME="$E2E_TMP" pulseaudio --daemonize=no -n --exit-idle-time=-1 \
        --use-pid-file=no --disallow-exit --disable-shm \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$socket" \
        --load="module-null-sink sink_name=silence" >"$E2E_TMP/pulse.log" 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        [ -S "$socket" ] && { export PULSE_SERVER="unix:$socket"; return 0; }
        sleep 0.05
    done
    fail "pulseaudio did not start: $(cat "$E2E_TMP/pulse.log")"
}

# Copies the program into a fresh data folder: $1 the built executable.
make_data_folder() {
    DATA="$E2E_TMP/data"
    mkdir -p "$DATA"
    cp "$1" "$DATA/veltrano"
}

# The folders a first start sets up, for a script that writes PM.INI itself
# (then the start is not a first one and nothing would make them).
make_data_subfolders() {
    mkdir -p "$DATA/Projects Group" "$DATA/Week"
}

# Waits up to $2 seconds (default 10) for a window whose name matches $1.
# Polls rather than using xdotool's --sync: a window that goes away while
# xdotool walks the tree makes that search fail at once, not keep waiting.
wait_window() {
    local i found
    for i in $(seq $(( ${2:-10} * 10 ))); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for no visible window named $1.
wait_gone() {
    local i
    for i in $(seq $(( ${2:-10} * 10 ))); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

# Screenshot of window $1 into $2.
shoot_window() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2" 2>/dev/null
}

# Waits up to $2 seconds for process $1 to end.
wait_exit() {
    local i
    for i in $(seq $(( ${2:-10} * 10 ))); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# A fingerprint of every file in the data folder but the program itself.
folder_state() {
    (cd "$DATA" && find . -type f ! -name veltrano -exec md5sum {} + | sort)
}
