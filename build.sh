#!/usr/bin/env bash
# Builds Veltrano, installing the Debian packages it needs when they are missing.
#   ./build.sh run    build, then start the program
#   ./build.sh test   build, then run every test (logic, widget and end-to-end)
#   ./build.sh        build only
#   ./build.sh windows        cross-build for Windows: veltrano.exe, rtfconv.exe,
#                             the portable zip and the installer (build-windows/dist)
#   ./build.sh windows-test   the same with the tests, run under Wine
# The Windows builds need the toolchain (packaging/windows/toolchain.sh, about
# an hour once per machine; the first `./build.sh windows` runs it).
set -euo pipefail
cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev libvulkan-dev
  libxcb1-dev libxcb-keysyms1-dev
  gstreamer1.0-plugins-good gstreamer1.0-plugins-bad timgm6mb-soundfont gstreamer1.0-pulseaudio pulseaudio
  libgtest-dev libbenchmark-dev
  xdg-utils desktop-file-utils
  appstream dpkg-dev file man-db
  xvfb xdotool x11-utils imagemagick trayer
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  syncthing curl
)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}" "$@"
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}

WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}

# The host's tool that draws our SVG pictures as PNGs for the Windows build.
host_picture_tool() {
    cmake -S tools/render_icon -B "$WINDOWS_BUILD_DIR/host-tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$WINDOWS_BUILD_DIR/host-tools" >/dev/null
    echo "$PWD/$WINDOWS_BUILD_DIR/host-tools/veltrano_render_icon"
}

build_windows() {
    packaging/windows/toolchain.sh
    local qt launcher=()
    qt=$(packaging/windows/toolchain.sh --path)
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    "$qt/bin/qt-cmake" -S . -B "$WINDOWS_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
        -DVELTRANO_RENDER_ICON="$(host_picture_tool)" \
        -DVELTRANO_TEST_RUNNER="$PWD/packaging/windows/wine-run.sh" "$@"
    cmake --build "$WINDOWS_BUILD_DIR" -j "$(nproc)"
    packaging/windows/package.sh "$WINDOWS_BUILD_DIR" "$qt"
}

# The Windows tests under Wine on a private Xvfb: the logic tests, the
# Windows layer's, then the end-to-end script on the portable folder.
test_windows() {
    packaging/windows/wine-tests.sh "$WINDOWS_BUILD_DIR"
}

install_missing
case "${1:-}" in
  run)
    build
    exec "$BUILD_DIR/src/veltrano" ;;
  test)
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" ;;
  windows)
    build_windows -DVELTRANO_TESTS=OFF ;;
  windows-test)
    build_windows -DVELTRANO_TESTS=ON
    test_windows ;;
  "")
    build ;;
  *)
    echo "usage: $0 [run|test|windows|windows-test]" >&2; exit 2 ;;
esac
