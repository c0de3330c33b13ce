#!/usr/bin/env bash
# The Windows tests under Wine: a private Xvfb and Wine prefix, the cross-built
# test programs through ctest, then the end-to-end script on the portable
# folder (its screenshots in <build>/dist/shots) and the installer's test.
#   packaging/windows/wine-tests.sh <windows build folder>
set -euo pipefail
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "$1" && pwd)
source "$SOURCE/packaging/windows/wine-env.sh"

fifo=$(mktemp -u /tmp/veltrano-xvfb.XXXXXX)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null; wineserver -k 2>/dev/null || true; rm -f "$fifo"' EXIT
export DISPLAY=":$(head -c 8 "$fifo" | tr -dc 0-9)"

echo "windows-test: Wine prefix $WINEPREFIX, display $DISPLAY"
wine_prefix_ready
ctest --test-dir "$BUILD" -L windows --output-on-failure -j 2

# rtfconv of the Linux build reads the notes back.
RTFCONV=${VELTRANO_LINUX_RTFCONV:-$SOURCE/${BUILD_DIR:-build}/tools/rtfconv/rtfconv}
[ -x "$RTFCONV" ] || (cd "$SOURCE" && cmake --build "${BUILD_DIR:-build}" --target rtfconv >/dev/null)
# The end-to-end script brings a display and a Wine session of its own.
wineserver -k 2>/dev/null || true
unset DISPLAY
"$SOURCE/packaging/windows/e2e.sh" "$BUILD/dist/Veltrano" "$RTFCONV" "$BUILD/dist/shots"
"$SOURCE/packaging/windows/installer-test.sh" "$(ls "$BUILD"/dist/veltrano-*-setup.exe | head -n 1)"
