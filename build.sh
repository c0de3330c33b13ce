#!/usr/bin/env bash
# Builds Veltrano, installing the Debian packages it needs when they are missing.
#   ./build.sh run    build, then start the program
#   ./build.sh test   build, then run every test (logic, widget and end-to-end)
#   ./build.sh        build only
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
  syncthing
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

install_missing
case "${1:-}" in
  run)
    build
    exec "$BUILD_DIR/src/veltrano" ;;
  test)
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" ;;
  "")
    build ;;
  *)
    echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
