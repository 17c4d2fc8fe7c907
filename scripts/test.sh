#!/usr/bin/env bash
# Runs every test: the native (sanitized) tests first, then the Windows tests
# under Wine and Xvfb. Installs what is missing and builds incrementally.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${BUILD_ROOT:-$root/build}"

"$root/scripts/setup.sh"

echo "== native build and tests"
"$root/scripts/build.sh" native
(cd "$build_root/native" && ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@")

echo "== windows build and tests (Wine)"
"$root/scripts/build.sh" windows
WINDOWS_BUILD_DIR="$build_root/windows"
source "$root/scripts/wine-env.sh"
# The Windows tests mostly wait (for Wine, for the programs, for the mouse's
# pauses), so lanes side by side finish sooner even on two cores.
lanes="${WINE_LANES:-4}"
trap wine_env_lanes_stop EXIT
wine_env_lanes_start "$lanes"
(cd "$WINDOWS_BUILD_DIR" && ctest --output-on-failure -j "$lanes" --resource-spec-file "$WINE_LANES_SPEC" "$@")
