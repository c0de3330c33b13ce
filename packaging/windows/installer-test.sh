#!/usr/bin/env bash
# The per-user installer under Wine: a silent install puts the program, its
# Start-menu entry and its "Apps & features" entry in place; the installed
# program keeps its data in %APPDATA%\Veltrano; a silent uninstall takes the
# program away and leaves those data.
#   packaging/windows/installer-test.sh <setup.exe>
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
source "$SOURCE/tests/e2e/xsession.sh"
source "$SOURCE/packaging/windows/wine-env.sh"
unset WINEPATH QT_PLUGIN_PATH
SETUP=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
trap 'wineserver -k 2>/dev/null; e2e_cleanup' EXIT

start_display
start_window_manager
wine_prefix_ready
windows_of() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_of() { winepath -u "$(windows_of "$1")" 2>/dev/null; }
INSTDIR="$(unix_of LOCALAPPDATA)/Programs/Veltrano"
DATA="$(unix_of APPDATA)/Veltrano"
MENU="$(unix_of APPDATA)/Microsoft/Windows/Start Menu/Programs"
rm -rf "$INSTDIR" "$DATA"

echo "-- a silent install, for this user alone"
wine "$SETUP" /S >"$E2E_TMP/setup.log" 2>&1 || fail "the installer failed: $(tail -3 "$E2E_TMP/setup.log")"
wineserver --wait
for file in veltrano.exe rtfconv.exe Qt6Core.dll platforms/qwindows.dll Help/index.htm "Uninstall Veltrano.exe"; do
    [ -f "$INSTDIR/$file" ] || fail "the install lacks $file"
done
[ -f "$MENU/Veltrano.lnk" ] || fail "no Start-menu entry in $MENU"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrano' /v UninstallString 2>/dev/null \
    | grep -q "Uninstall Veltrano.exe" || fail "no entry in Apps & features"

echo "-- the installed program keeps its data in %APPDATA%\\Veltrano"
(cd "$INSTDIR" && wine veltrano.exe >"$E2E_TMP/veltrano.log" 2>&1) &
APP=$!
E2E_PIDS+=($APP)
MAIN=$(wait_window '^Veltrano 1\.1$' 90)
[ -n "$MAIN" ] || fail "the installed program showed no main window"
for _ in $(seq 50); do [ -d "$DATA/Projects Group" ] && break; sleep 0.1; done
[ -d "$DATA/Projects Group" ] && [ -d "$DATA/Week" ] || fail "no data in $DATA"
sleep 1
xdotool windowactivate --sync "$MAIN" 2>/dev/null || xdotool windowfocus --sync "$MAIN"
sleep 0.3
xdotool key alt+F4
wait_exit "$APP" 30 || fail "the installed program did not end"
[ -s "$DATA/PM.INI" ] || fail "no PM.INI in $DATA after the program ended"
[ ! -e "$INSTDIR/PM.INI" ] || fail "the installed program wrote beside itself"

echo "-- a silent uninstall leaves the user's data"
# _?= runs it in place and waits; it names the folder as the installer did.
wine "$INSTDIR/Uninstall Veltrano.exe" /S "_?=$(windows_of LOCALAPPDATA)\Programs\Veltrano" >"$E2E_TMP/uninstall.log" 2>&1
wineserver --wait
[ ! -e "$INSTDIR/veltrano.exe" ] || fail "the uninstaller left the program"
[ ! -e "$MENU/Veltrano.lnk" ] || fail "the uninstaller left the Start-menu entry"
[ -s "$DATA/PM.INI" ] && [ -d "$DATA/Projects Group" ] || fail "the uninstaller touched the user's data"
echo "PASS: the installer (install, data per user, uninstall)"
