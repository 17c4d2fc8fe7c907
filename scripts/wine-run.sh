#!/usr/bin/env bash
# Runs one Windows program under Wine; ctest uses it as the cross-compiling
# emulator: wine-run.sh <windows build dir> <program> [arguments...].
# scripts/test.sh normally provides the display and a running wineserver (the
# lane ctest gave the test); when called alone it brings up its own.
set -uo pipefail
WINDOWS_BUILD_DIR="$(cd "$1" && pwd)"
shift
source "$(dirname "$0")/wine-env.sh"
wine_env_use_lane
own_display=0
[ -z "${DISPLAY:-}" ] && own_display=1
wine_env_start
wine "$@"
status=$?
wine_env_end_leftovers
[ "$own_display" = 1 ] && wine_env_stop
exit $status
