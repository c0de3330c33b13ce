# shellcheck shell=bash
# Sourced: the environment a Windows program of ours runs in under Wine. A
# Wine prefix of our own (never the user's ~/.wine), the cross-built Qt's and
# mingw's DLLs on WINEPATH, Qt's plugins, and no prompts to install Mono or
# Gecko. VELTRANO_WINDOWS_CACHE as in toolchain.sh.
VELTRANO_WINDOWS_CACHE=${VELTRANO_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrano-windows}
export WINEPREFIX=${VELTRANO_WINEPREFIX:-$VELTRANO_WINDOWS_CACHE/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Wine's Recycle Bin is the XDG trash: the tests' deletions go to one of the
# prefix's own, not to the user's.
export XDG_DATA_HOME=$WINEPREFIX/xdg-data
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"

# Z: is the Linux root in every Wine prefix.
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

qt=$VELTRANO_WINDOWS_CACHE/qt6
gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
export WINEPATH="$(winpath "$qt/bin");$(winpath "$gcc_dlls");$(winpath /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH="$(winpath "$qt/plugins")"
unset gcc_dlls qt

# Makes the prefix the first time (a minute or so); quiet afterwards.
wine_prefix_ready() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    mkdir -p "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    wineserver --wait
}
