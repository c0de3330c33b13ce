#!/usr/bin/env bash
# Builds the Windows toolchain once per machine, from Debian packages only:
# mingw-w64 (posix threads), Wine, NSIS, and Qt 6's qtbase cross-built for
# x86_64-w64-mingw32 from Debian's own source package, with the system Qt as
# host tools. Takes about 40 minutes on two cores; later runs reuse the cache.
# Qt Svg is not cross-built (Debian's mirror does not serve the qt6-svg
# source): the Windows build draws its pictures from PNGs that the host's Qt
# renders from our SVGs at build time.
#
#   packaging/windows/toolchain.sh          build (or reuse) the toolchain
#   packaging/windows/toolchain.sh --path   print the Qt prefix, build nothing
#
# The cache lives outside the repository: $VELTRANO_WINDOWS_CACHE, by default
# ~/.cache/veltrano-windows. Its qt6/ holds the cross-built Qt once complete
# (qt6/.complete marks it).
set -euo pipefail
CACHE=${VELTRANO_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrano-windows}
PREFIX=$CACHE/qt6
if [ "${1:-}" = --path ]; then echo "$PREFIX"; exit 0; fi

PACKAGES=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis zip
  cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools
  xvfb xdotool imagemagick openbox
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "toolchain: installing ${missing[*]}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# apt-get source needs deb-src entries. They are made from the sources the
# system already uses (same URIs and suites), never from a host of ours.
ensure_deb_src() {
    if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    local out=/etc/apt/sources.list.d/veltrano-deb-src.sources
    echo "toolchain: adding deb-src entries beside the system's own ($out)"
    local tmp; tmp=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        sed -n 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/p; /^Types:/!p' "$f" >>"$tmp"
        echo >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >"$tmp.list"
    fi
    as_root install -m 0644 "$tmp" "$out"
    [ -s "$tmp.list" ] && as_root install -m 0644 "$tmp.list" /etc/apt/sources.list.d/veltrano-deb-src.list
    rm -f "$tmp" "$tmp.list"
    as_root apt-get update -qq
}

fetch_sources() {
    mkdir -p "$CACHE/src"
    cd "$CACHE/src"
    ls -d qtbase-*/ >/dev/null 2>&1 || ls -d qt6-base-*/ >/dev/null 2>&1 || apt-get source -qq qt6-base
}

source_dir() { find "$CACHE/src" -maxdepth 1 -type d \( -name "$1" -o -name "$2" \) | head -n 1; }

write_toolchain_file() {
    cat >"$CACHE/mingw-w64-x86_64.cmake" <<'CMAKE'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
CMAKE
}

build_qtbase() {
    local src; src=$(source_dir 'qt6-base-*' 'qtbase-*')
    echo "toolchain: configuring qtbase from $src"
    cmake -S "$src" -B "$CACHE/build-qtbase" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$CACHE/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_opengl_desktop=ON \
        -DFEATURE_testlib=ON -DFEATURE_printsupport=ON
    echo "toolchain: building qtbase (the long step; ninja shows progress)"
    cmake --build "$CACHE/build-qtbase" -j "$(nproc)"
    cmake --install "$CACHE/build-qtbase"
}

if [ -f "$PREFIX/.complete" ]; then
    echo "toolchain: reusing Qt for Windows in $PREFIX"
    install_missing
    exit 0
fi
started=$(date +%s)
echo "toolchain: building Qt 6 for Windows into $CACHE (about an hour on two cores, once per machine)"
install_missing
ensure_deb_src
fetch_sources
write_toolchain_file
[ -x "$PREFIX/bin/qt-cmake" ] || build_qtbase
touch "$PREFIX/.complete"
echo "toolchain: done in $(( ($(date +%s) - started) / 60 )) min; Qt for Windows is in $PREFIX"
