#!/usr/bin/env bash
# The main job: builds the Windows programs and runs them under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${BUILD_ROOT:-$root/build}"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" windows
WINDOWS_BUILD_DIR="$build_root/windows"
source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start

# A program folder laid out as installed, with the default profile set.
program="$WINDOWS_BUILD_DIR/run"
rm -rf "$program"
cp -r "$WINDOWS_BUILD_DIR/dist" "$program"
wine "$program/ProfileTool.exe" defaults "Z:${program//\//\\}"
wine "$program/ProfileTool.exe" print "Z:${program//\//\\}\\config\\Default0.gmp"
