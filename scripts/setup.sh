#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine. Quick when
# everything is already there: it only calls apt-get for missing packages.
set -euo pipefail

packages=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64 wine wine64 xvfb
          fonts-liberation x11-apps imagemagick
          clang-14 libclang-rt-14-dev  # the fuzz build
          nsis pandoc weasyprint       # Setup.exe and the user manual
          xdotool poppler-utils)       # the manual's screenshot script, looking at its pages

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
