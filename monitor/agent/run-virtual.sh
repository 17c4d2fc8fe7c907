#!/usr/bin/env bash
# Runs Monitor.exe under Wine against the virtual mouse and shows what the
# mouse holds after the first full write.
#   monitor/agent/run-virtual.sh <windows build dir> [program folder]
# The program folder (default <build>/run-virtual) is made afresh from the
# build's dist folder, with portio.ini choosing the virtual mouse (plugged
# in) and a transfer log. DISPLAY and WINEPREFIX come from the caller (for
# example after sourcing scripts/wine-env.sh and calling wine_env_start).
# The agent keeps running; it ends with the Wine session or from its tray menu.
set -euo pipefail

build="${1:?usage: run-virtual.sh <windows build dir> [program folder]}"
program="${2:-$build/run-virtual}"
dist="$build/dist"
deadline_seconds=120

for file in Monitor.exe portio.dll portioctl.exe; do
    [ -f "$dist/$file" ] || { echo "run-virtual: $dist/$file is missing; build the Windows programs first" >&2; exit 1; }
done

rm -rf "$program"
cp -r "$dist" "$program"
printf '[VirtualMouse]\r\nEnabled=1\r\nAttached=1\r\nLog=transfers.log\r\n' > "$program/portio.ini"
log="$program/transfers.log"

wine "$program/Monitor.exe" </dev/null >/dev/null 2>&1 &
echo "run-virtual: Monitor.exe started from $program"

# The full write ends with the profile select command (code 02).
select_pattern=' SetFeature 8 020[1-5]'
for ((tenth = 0; tenth < deadline_seconds * 10; tenth++)); do
    if [ -f "$log" ] && grep -q "$select_pattern" "$log"; then
        break
    fi
    sleep 0.1
done
if ! [ -f "$log" ] || ! grep -q "$select_pattern" "$log"; then
    echo "run-virtual: no full write within ${deadline_seconds} s" >&2
    exit 1
fi
echo "run-virtual: first full write done, $(wc -l < "$log") transfers"
wine "$program/portioctl.exe" state
