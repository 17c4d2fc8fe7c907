#!/usr/bin/env bash
# The agent's CPU time while it idles with the mouse present (timer 500
# running): Monitor.exe started against the virtual mouse as the run command
# starts it, then its user and system time read from /proc over SECONDS.
# Wine does not report another process's times to GetProcessTimes, so the
# figure is taken from the Linux side.
#   monitor/agent/idle-cpu.sh <windows build dir> [SECONDS]
set -euo pipefail
build="$(cd "${1:?usage: idle-cpu.sh <windows build dir> [seconds]}" && pwd)"
seconds="${2:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
program="$build/idle-cpu"

WINDOWS_BUILD_DIR="$build"
source "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$program"' EXIT
wine_env_start
"$root/monitor/agent/run-virtual.sh" "$build" "$program" >/dev/null
pid="$(pgrep -f "idle-cpu/Monitor.exe" | head -1)"
[ -n "$pid" ] || { echo "idle-cpu: no Monitor.exe process" >&2; exit 1; }
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hertz="$(getconf CLK_TCK)"
before="$(ticks)"
sleep "$seconds"
after="$(ticks)"
awk -v used="$((after - before))" -v hz="$hertz" -v s="$seconds" \
    'BEGIN { printf "agent idle with the mouse present: %.2f s CPU in %d s (%.2f %%)\n", used / hz, s, 100 * used / hz / s }'
