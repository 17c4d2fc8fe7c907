#!/usr/bin/env bash
# The main job: builds the Windows programs and runs the agent (Monitor.exe)
# under Wine against the virtual mouse; after the agent's first full write it
# prints the five profiles as the virtual mouse decoded them, then opens the
# configuration window (Option.exe); without a display it saves a picture of it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${BUILD_ROOT:-$root/build}"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" windows
WINDOWS_BUILD_DIR="$build_root/windows"
source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start

program="$WINDOWS_BUILD_DIR/run-virtual"
"$root/monitor/agent/run-virtual.sh" "$WINDOWS_BUILD_DIR" "$program"
echo "run: config.ini of the program folder:"
tr -d '\r' < "$program/config.ini" | sed 's/^/    /'

echo "run: host-handled functions to try while the agent runs (WINEPREFIX=$WINEPREFIX):"
for example in "event 0x0800 2      # the mouse switched to profile 2" \
               "event 0x0700 3      # DPI level 3: \"CPI: ...\" notice" \
               "event 0x1000 1      # tilt right under the pointer" \
               "event 0xF000 0x25   # mute" \
               "event 0x00A0 0      # open Option"; do
    echo "    wine \"$program/portioctl.exe\" $example"
done

# The configuration window next to the agent.
wine "$program/Option.exe" </dev/null >/dev/null 2>&1 &
option_title="TARVIK-Q7 Gaming Mouse Option"
for ((tenth = 0; tenth < 600; tenth++)); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"$option_title\"" && break
    sleep 0.1
done
if ! xwininfo -root -tree 2>/dev/null | grep -q "\"$option_title\""; then
    echo "run: Option.exe did not open its window" >&2
    exit 1
fi
echo "run: Option.exe is open"
# Without a display of the user's own (a private Xvfb), a picture of the
# window is the only way to see it.
if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    sleep 2  # the window paints once it is mapped
    geometry="$(xwininfo -name "$option_title" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width/{w=$NF} /Height/{h=$NF} END{print w"x"h"+"x"+"y}')"
    screenshot="$program/option-main-window.png"
    import -window root -crop "$geometry" "$screenshot"
    echo "run: no display here; the main window is saved in $screenshot"
fi

# Interactive runs keep the agent alive for portioctl (attach, detach, event,
# state) until Enter; scripted runs end here.
if [ -t 0 ]; then
    echo "run: the agent and Option are running; try: wine \"$program/portioctl.exe\" detach"
    read -r -p "run: press Enter to stop them " _
fi
