#!/usr/bin/env bash
# The Windows layer's own tests that need no more of Qt than Qt Core, built
# against the toolchain's Qt build tree and run under Wine. For a machine
# where the full cross-built Qt is not there yet (its build stopped, or still
# on its way) but build-qtbase already holds Qt6Core.dll: files, single
# instance, hot keys, the session's end, the codec, the shell and autorun,
# MCI, the Recycle Bin, data locations and regional formats.
#   packaging/windows/check-layer.sh [gtest arguments...]
set -euo pipefail
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
source "$SOURCE/packaging/windows/wine-env.sh"
QB=$VELTRANO_WINDOWS_CACHE/build-qtbase
[ -f "$QB/bin/Qt6Core.dll" ] || { echo "check-layer: no Qt6Core.dll in $QB/bin yet" >&2; exit 1; }
OUT=${CHECK_LAYER_DIR:-$SOURCE/build-windows/layer-check}
mkdir -p "$OUT/obj" "$OUT/moc"

CXX=x86_64-w64-mingw32-g++-posix
FLAGS=(-std=c++20 -O1 -Wall -Wextra -Wpedantic -Wno-unused-parameter
       -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN -D_WIN32_WINNT=0x0A00 -DWINVER=0x0A00
       -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII -DQT_NO_CAST_FROM_BYTEARRAY -DQT_USE_QSTRINGBUILDER
       -DQT_CORE_LIB "-DVELTRANO_TEST_SOUNDS=\"$(winpath "$SOURCE/tests/support/sounds/" | sed 's/\\/\\\\/g')\""
       -I"$SOURCE/src" -I"$SOURCE/tests" -I/usr/src/googletest/googletest/include -I/usr/src/googletest/googletest
       -isystem "$QB/include" -isystem "$QB/include/QtCore" -I"$OUT/moc")

sources=(
  src/platform/windows/{AnsiCodePageCodec,HiddenWindow,WindowsDesktop,WindowsHotKeys,WindowsMci}.cpp
  src/platform/windows/{WindowsShell,WindowsSingleInstance,WindowsTermination,WindowsTrash,WindowsPower}.cpp
  src/platform/win32/{Win32Files,Win32Text}.cpp
  src/platform/qt/{QtFileSystem,RunKeyEntries,Utf8SystemCodec,CodePages,LongTimeFormat}.cpp
  tests/support/TempFolder.cpp
  tests/platform/windows/{WindowsFilesTest,WindowsInstanceTest,WindowsMessagesTest,AnsiCodePageCodecTest,WindowsServicesTest}.cpp
  tests/platform/qt/{RunKeyEntriesTest,TextCodecTest,CodePagesTest}.cpp)
headers=(src/platform/{HotKeys,Termination,Sound,SingleInstance}.h
         src/platform/windows/{WindowsHotKeys,WindowsTermination,WindowsMci}.h)

files=()
for s in "${sources[@]}"; do files+=("$SOURCE/$s"); done
for h in "${headers[@]}"; do
    moc=$OUT/moc/moc_$(basename "$h" .h).cpp
    [ "$moc" -nt "$SOURCE/$h" ] || /usr/lib/qt6/libexec/moc -I"$SOURCE/src" "$SOURCE/$h" -o "$moc"
    files+=("$moc")
done
cat >"$OUT/main.cpp" <<'MAIN'
#include <QCoreApplication>
#include <gtest/gtest.h>
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
MAIN
files+=("$OUT/main.cpp" /usr/src/googletest/googletest/src/gtest-all.cc)

objects=()
for f in "${files[@]}"; do
    o=$OUT/obj/$(printf '%s' "$f" | md5sum | cut -c1-8)-$(basename "${f%.*}").o
    objects+=("$o")
    [ "$o" -nt "$f" ] && continue
    echo "check-layer: compiling $(basename "$f")"
    $CXX "${FLAGS[@]}" -c "$f" -o "$o"
done
$CXX -o "$OUT/windows_layer_core_tests.exe" "${objects[@]}" -L"$QB/lib" -lQt6Core \
    -lwinmm -lpowrprof -lshell32 -lole32 -luser32 -ladvapi32 -lwtsapi32 -static-libgcc -static-libstdc++

export WINEPATH="$(winpath "$QB/bin");$WINEPATH"
fifo=$(mktemp -u /tmp/veltrano-xvfb.XXXXXX)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
XVFB=$!
trap 'wineserver -k 2>/dev/null; kill $XVFB 2>/dev/null; rm -f "$fifo"' EXIT
export DISPLAY=":$(head -c 8 "$fifo" | tr -dc 0-9)"
wine_prefix_ready
timeout 300 wine "$OUT/windows_layer_core_tests.exe" "$@" 2> >(grep -v '^ALSA lib' >&2)
