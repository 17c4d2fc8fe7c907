#!/usr/bin/env bash
# Configures (first time) and builds one of the two builds, incrementally.
#   scripts/build.sh native|windows
# Build folders: build/native and build/windows (override with BUILD_ROOT).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kind="$1"
build_root="${BUILD_ROOT:-$root/build}"
dir="$build_root/$kind"
jobs="$(nproc 2>/dev/null || echo 2)"

if [ ! -f "$dir/build.ninja" ]; then
    extra=()
    [ "$kind" = windows ] && extra=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake")
    cmake -S "$root" -B "$dir" -G Ninja "${extra[@]}" >/dev/null
fi
cmake --build "$dir" -j "$jobs"
