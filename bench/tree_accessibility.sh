#!/usr/bin/env bash
# The project tree rebuilt while a screen reader listens: projects_bench's
# RebuildWithScreenReader on a private X display, with Qt's AT-SPI bridge on
# the accessibility bus of a private session (as a desktop with a screen
# reader has it). Needs Xvfb, dbus-run-session and at-spi2-core.
#   bench/tree_accessibility.sh build-rel [benchmark options]
set -u
BUILD=$(realpath "${1:-build-rel}")
shift
source "$(dirname "$0")/../tests/e2e/xsession.sh"
start_display
cd "$BUILD"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
        || { echo "SKIP: the accessibility bus did not start"; exit 77; }
    exec ./bench/projects/projects_bench --benchmark_filter=RebuildWithScreenReader "$@"' bash "$@"
