#!/usr/bin/env bash
# `cmake --install` puts the program where a desktop finds it: the menu entry,
# the icon in the hicolor theme, and the help page where the installed
# program's F1 looks (../share/veltrano/Help beside bin/). $1: the build folder.
set -u
PREFIX=$(mktemp -d /tmp/veltrano-install.XXXXXX)
trap 'rm -rf "$PREFIX"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

timeout 120 cmake --install "$1" --prefix "$PREFIX" >/dev/null || fail "cmake --install failed"

[ -x "$PREFIX/bin/veltrano" ] || fail "no bin/veltrano"
DESKTOP="$PREFIX/share/applications/veltrano.desktop"
[ -f "$DESKTOP" ] || fail "no desktop entry"
grep -qx 'Exec=veltrano' "$DESKTOP" || fail "desktop entry does not start veltrano"
grep -qx 'Icon=veltrano' "$DESKTOP" || fail "desktop entry does not name the icon"
grep -qx 'Type=Application' "$DESKTOP" || fail "desktop entry is not an application"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$DESKTOP" || fail "desktop entry does not validate"
fi

ICONS="$PREFIX/share/icons/hicolor"
grep -q '<svg' "$ICONS/scalable/apps/veltrano.svg" 2>/dev/null || fail "no scalable icon"
for size in 48 128; do
    png="$ICONS/${size}x${size}/apps/veltrano.png"
    [ "$(head -c 4 "$png" 2>/dev/null | tail -c 3)" = "PNG" ] || fail "no ${size} px icon"
    [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "${size} px icon has the wrong size"
done

PAGE="$PREFIX/bin/../share/veltrano/Help/index.htm"
grep -qi '<title>' "$PAGE" 2>/dev/null || fail "no help page where the installed program looks"
echo "install layout: ok"
