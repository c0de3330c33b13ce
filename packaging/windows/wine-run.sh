#!/usr/bin/env bash
# Runs one Windows program of the build under Wine (a test, rtfconv...):
#   packaging/windows/wine-run.sh <program.exe> [arguments...]
# Needs a display for anything that makes a window (windows-test starts Xvfb).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
wine_prefix_ready
# GoogleTest reads its filter from the environment; names a program does not
# have are ignored.
skipped=$(sed -n 's/^\([A-Za-z0-9_]*\.[A-Za-z0-9_*]*\).*/\1/p' "$(dirname "$0")/posix-only-tests.txt" | paste -sd: -)
[ -n "$skipped" ] && export GTEST_FILTER="-$skipped"
exec wine "$@"
