#!/usr/bin/env bash
# Configures (first time) and builds one of the builds, incrementally.
#   scripts/build.sh native|windows|fuzz
# Build folders: build/native, build/windows and build/fuzz (override with
# BUILD_ROOT). The fuzz build compiles the portable core with clang and
# builds only the libFuzzer targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kind="$1"
build_root="${BUILD_ROOT:-$root/build}"
dir="$build_root/$kind"
jobs="$(nproc 2>/dev/null || echo 2)"

if [ ! -f "$dir/build.ninja" ]; then
    extra=()
    [ "$kind" = windows ] && extra=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake")
    [ "$kind" = fuzz ] && extra=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DFUZZING=ON)
    cmake -S "$root" -B "$dir" -G Ninja "${extra[@]}" >/dev/null
fi
targets=()
[ "$kind" = fuzz ] && targets=(--target fuzz_targets)
cmake --build "$dir" -j "$jobs" "${targets[@]}"
