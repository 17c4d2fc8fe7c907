#!/usr/bin/env bash
# Regenerates the skin folder (skins/generated) from the layout sources:
# builds the generator in the Windows build and runs it under Wine, where GDI
# draws the labels with the same "Arial" the toolkit uses.
#   skins/generate.sh            rewrite skins/generated
#   skins/generate.sh --check    only compare, byte for byte
# The build folder follows BUILD_ROOT like scripts/build.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${BUILD_ROOT:-$root/build}"
windows="$build_root/windows"

"$root/scripts/build.sh" windows >/dev/null
generator="$windows/skins/SkinGenerator.exe"
run() { "$root/scripts/wine-run.sh" "$windows" "$generator" "$@"; }

if [ "${1:-}" = "--check" ]; then
    run "$root/skins/layouts" "$root/skins/generated" --check
    exit
fi
fresh="$(mktemp -d "$build_root/skins-generated.XXXXXX")"
trap 'rm -rf "$fresh"' EXIT
run "$root/skins/layouts" "$fresh"
# Replace the folder whole so that files of removed layouts disappear.
rm -rf "$root/skins/generated"
mkdir -p "$root/skins/generated"
cp "$fresh"/* "$root/skins/generated/"
echo "skins/generated: $(ls "$root/skins/generated" | wc -l) files"
