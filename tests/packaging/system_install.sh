#!/usr/bin/env bash
# Run by hand as root on a Debian machine without veltrano installed (it
# changes the system, so ctest never runs it): installs the .deb with apt,
# starts the program from its menu entry as an ordinary user on a private
# Xvfb, presses F1 and checks the desktop was asked to open the installed
# help page, then removes and purges the package and checks no file of ours
# is left while the user's data stays.
# $1: the .deb (from `cpack -G DEB` in the build folder).
set -u
deb=$(realpath "$1")
user=veltrano-check
tmp=$(mktemp -d /tmp/veltrano-system.XXXXXX)
chmod 755 "$tmp"
pids=()
made_user=
cleanup() {
    for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
    [ -n "$made_user" ] && userdel -r "$user" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "== $*"; }

[ "$(id -u)" = 0 ] || fail "run as root"
dpkg -s veltrano >/dev/null 2>&1 && fail "veltrano is already installed"
# Every path below the system folders, before: the same list must come back after the purge.
system_files() { find /usr /etc /opt /var/lib/dpkg/info -xdev 2>/dev/null | grep -v -e '\.cache$' -e '/mimeinfo\.cache$' | sort; }
system_files >"$tmp/before"

step "apt install $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log"; fail "apt install failed"; }
dpkg -s veltrano | grep -q '^Status: install ok installed' || fail "not installed"
command -v veltrano rtfconv >/dev/null || fail "programs not on PATH"
MANWIDTH=80 man rtfconv 2>/dev/null | grep -q 'rtfconv --to' || fail "man rtfconv does not show the page"

step "start it from the menu entry as an ordinary user"
id "$user" >/dev/null 2>&1 || { useradd -m -s /bin/bash "$user" && made_user=1; }
home=$(getent passwd "$user" | cut -d: -f6)
runtime="$tmp/runtime"
install -d -m 700 -o "$user" "$runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/displayfd" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do n=$(tr -dc '0-9' <"$tmp/displayfd"); [ -n "$n" ] && break; sleep 0.05; done
[ -n "$n" ] || fail "Xvfb did not start"
as_user() {
    runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/local/bin:/usr/bin:/bin \
        DISPLAY=":$n" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 "$@"
}
# The desktop's web browser, as far as xdg-open can tell: it writes down what it is asked to open.
as_user mkdir -p "$home/.local/share/applications" "$home/bin"
cat >"$home/bin/record-open" <<EOF
#!/bin/sh
echo "\$1" >> "$tmp/opened"
EOF
chmod 755 "$home/bin/record-open"
cat >"$home/.local/share/applications/record-open.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Record
Exec=$home/bin/record-open %u
MimeType=text/html;x-scheme-handler/file;
EOF
chown -R "$user:" "$home/.local" "$home/bin"
touch "$tmp/opened" && chmod 666 "$tmp/opened"
as_user xdg-mime default record-open.desktop text/html || fail "xdg-mime default failed"

as_user gio launch /usr/share/applications/veltrano.desktop >"$tmp/launch.log" 2>&1 &
pids+=($!)
win=$(as_user timeout 20 xdotool search --sync --onlyvisible --name '^Veltrano [0-9.]*$' 2>/dev/null | head -n 1)
[ -n "$win" ] || { cat "$tmp/launch.log"; fail "no main window after launching the menu entry"; }
pid=$(as_user xdotool getwindowpid "$win")
pids+=($pid)
[ "$(readlink "/proc/$pid/exe")" = /usr/bin/veltrano ] || fail "the window is not /usr/bin/veltrano"
as_user import -window root "$runtime/installed.png" 2>/dev/null && cp "$runtime/installed.png" /tmp/veltrano-installed.png

step "F1 opens the installed help page"
as_user xdotool windowfocus --sync "$win" key F1
for _ in $(seq 50); do [ -s "$tmp/opened" ] && break; sleep 0.1; done
echo "   opened: $(cat "$tmp/opened")"
grep -Eqx '(file://)?/usr/share/veltrano/Help/index.htm' "$tmp/opened" \
    || fail "F1 asked to open: '$(cat "$tmp/opened")'"

kill -TERM "$pid"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on SIGTERM"
[ -f "$home/.local/share/Veltrano/PM.INI" ] || fail "no settings in ~/.local/share/Veltrano"

step "apt remove and purge"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q veltrano >>"$tmp/apt.log" 2>&1 || fail "apt remove failed"
dpkg --purge veltrano >>"$tmp/apt.log" 2>&1 || fail "dpkg --purge failed"
dpkg -s veltrano >/dev/null 2>&1 && fail "still known to dpkg after the purge"
system_files >"$tmp/after"
diff "$tmp/before" "$tmp/after" >"$tmp/left" || { cat "$tmp/left"; fail "the system folders differ after the purge"; }
[ -f "$home/.local/share/Veltrano/PM.INI" ] || fail "removing the package took the user's data"
echo "system install, menu start, help page, removal: ok"
