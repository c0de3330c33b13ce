#!/usr/bin/env bash
# Makes the Windows packages from a Windows build:
#   packaging/windows/package.sh <build folder> <Qt prefix>
# <build>/dist/Veltrano/                  the portable folder
# <build>/dist/veltrano-<v>-windows-x64.zip   the same, zipped
# <build>/dist/veltrano-<v>-setup.exe     the per-user installer (NSIS)
# The folder holds everything a clean Windows 10 or 11 needs: the program,
# rtfconv, the printing module, Qt's DLLs and the plugins it loads (the
# windows platform, the styles, the image formats), mingw's runtime, the
# help page and the README. Everything is stripped.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
QT=$2
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
VERSION=$(sed -n 's/^project(Veltrano VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")
DIST=$BUILD/dist
STAGE=$DIST/Veltrano
ZIP=$DIST/veltrano-$VERSION-windows-x64.zip
SETUP=$DIST/veltrano-$VERSION-setup.exe

rm -rf "$STAGE" "$ZIP" "$SETUP"
mkdir -p "$STAGE/platforms" "$STAGE/styles" "$STAGE/imageformats" "$STAGE/Help"

cp "$BUILD/src/veltrano.exe" "$BUILD/tools/rtfconv/rtfconv.exe" "$BUILD/src/veltrano-print.dll" "$STAGE/"
for module in Core Gui Widgets PrintSupport; do
    cp "$QT/bin/Qt6$module.dll" "$STAGE/"
done
cp "$QT/plugins/platforms/qwindows.dll" "$STAGE/platforms/"
cp "$QT/plugins/styles/"*.dll "$STAGE/styles/" 2>/dev/null || true
for format in qico qjpeg qgif; do
    [ -f "$QT/plugins/imageformats/$format.dll" ] && cp "$QT/plugins/imageformats/$format.dll" "$STAGE/imageformats/"
done
gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cp "$gcc_dlls/libstdc++-6.dll" "$gcc_dlls/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$STAGE/"
cp "$SOURCE/resources/help/index.htm" "$STAGE/Help/index.htm"
find "$STAGE" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# The README with Windows line ends, so Notepad of any age shows its lines.
sed 's/$/\r/' "$SOURCE/README.md" >"$STAGE/README.txt"

(cd "$DIST" && zip -q -9 -r "$ZIP" Veltrano)
echo "portable: $ZIP ($(( $(stat -c %s "$ZIP") / 1024 )) KiB)"

makensis -V2 -DVERSION="$VERSION" -DSTAGE="$STAGE" -DOUTFILE="$SETUP" \
    -DICON="$BUILD/resources/veltrano.ico" "$SOURCE/packaging/windows/installer.nsi"
echo "installer: $SETUP ($(( $(stat -c %s "$SETUP") / 1024 )) KiB)"
