#!/usr/bin/env bash
# Runs one Windows program of the build under Wine (a test, rtfconv...):
#   packaging/windows/wine-run.sh <program.exe> [arguments...]
# Needs a display for anything that makes a window (windows-test starts Xvfb).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
wine_prefix_ready
exec wine "$@"
