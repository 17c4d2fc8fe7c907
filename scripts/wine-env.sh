# Sourced by the scripts that run Windows programs. Sets up a private Wine
# prefix inside the build tree and a display (Xvfb when none is given).
# Expects WINDOWS_BUILD_DIR to be set by the caller.
export WINEPREFIX="${WINEPREFIX:-$WINDOWS_BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

wine_env_start_display() {
    if [ -z "${DISPLAY:-}" ]; then
        local number
        for number in $(seq 91 120); do
            [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
            Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            WINE_ENV_XVFB_PID=$!
            export DISPLAY=":$number"
            local tries
            for tries in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$number" ] && break
                sleep 0.1
            done
            break
        done
    fi
}

# The test displays have no window manager: Wine would wait two seconds for
# one each time it hides a window it leaves to the manager (a dialog closing,
# a program ending). Unmanaged, Wine shows and hides every window itself.
wine_env_unmanaged_windows() {
    grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

wine_env_start() {
    wine_env_start_display
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
    wine_env_unmanaged_windows
    # A persistent wineserver makes each process start in about a second.
    wineserver -p >/dev/null 2>&1 || true
    # Start Wine's own service processes here, detached from our output:
    # started from inside a test they would inherit its pipe and keep ctest
    # waiting for the end of the output.
    wineboot </dev/null >/dev/null 2>&1 || true
}

# Lanes: several Windows tests run side by side, each in a lane of its own
# with its own display and Wine prefix (so its own wineserver, windows,
# mutexes and pointer). ctest hands a test its lane through the resource
# variables; wine_env_lanes_start makes the lanes.
wine_env_use_lane() {
    local spec="${CTEST_RESOURCE_GROUP_0_LANES:-}"
    [ -n "$spec" ] && [ -n "${WINE_LANES_DIR:-}" ] || return 0
    local id="${spec#id:}"
    id="${id%%,*}"
    export DISPLAY="$(cat "$WINE_LANES_DIR/$id/display")"
    export WINEPREFIX="$WINE_LANES_DIR/$id/prefix"
}

# wine_env_lanes_start <count>: a display, a prefix (a copy of the first one,
# made once) and a persistent wineserver per lane, and the resource file
# ctest reads (WINE_LANES_SPEC).
wine_env_lanes_start() {
    local count="$1" id json=""
    export WINE_LANES_DIR="$WINDOWS_BUILD_DIR/lanes"
    export WINE_LANES_SPEC="$WINE_LANES_DIR/resources.json"
    WINE_ENV_LANE_PIDS=()
    mkdir -p "$WINE_LANES_DIR"
    for ((id = 0; id < count; id++)); do
        local lane="$WINE_LANES_DIR/$id"
        mkdir -p "$lane"
        if [ ! -f "$lane/prefix/system.reg" ]; then
            rm -rf "$lane/prefix"
            if [ "$id" -eq 0 ]; then
                WINEPREFIX="$lane/prefix" wineboot -i >/dev/null 2>&1 || true
                WINEPREFIX="$lane/prefix" wineserver -w
                # In user.reg before the other lanes copy the prefix.
                WINEPREFIX="$lane/prefix" wine_env_unmanaged_windows
                WINEPREFIX="$lane/prefix" wineserver -w
            else
                cp -a "$WINE_LANES_DIR/0/prefix" "$lane/prefix"
            fi
        fi
        (
            unset DISPLAY
            export WINEPREFIX="$lane/prefix"
            wine_env_start_display
            echo "$DISPLAY" >"$lane/display"
            echo "$WINE_ENV_XVFB_PID" >"$lane/xvfb.pid"
            wineserver -p >/dev/null 2>&1 || true
            wine_env_unmanaged_windows
            wineboot </dev/null >/dev/null 2>&1 || true
        )
        json="$json${json:+,}{\"id\":\"$id\",\"slots\":1}"
    done
    echo "{\"version\":{\"major\":1,\"minor\":0},\"local\":[{\"lanes\":[$json]}]}" >"$WINE_LANES_SPEC"
}

wine_env_lanes_stop() {
    local lane
    [ -n "${WINE_LANES_DIR:-}" ] || return 0
    for lane in "$WINE_LANES_DIR"/*/; do
        [ -f "$lane/display" ] || continue
        WINEPREFIX="$lane/prefix" wineserver -k >/dev/null 2>&1 || true
        kill "$(cat "$lane/xvfb.pid")" 2>/dev/null || true
        rm -f "$lane/display" "$lane/xvfb.pid"
    done
}

# Ends the Windows programs a test left running in this prefix (a stand-in
# Option, say), naming them: they would keep ctest waiting on the test's output
# pipe and could answer the next test's search for a window by its title.
wine_env_end_leftovers() {
    local pid left=""
    for pid in $(pgrep -f '[.][eE][xX][eE]'); do
        case "$(readlink "/proc/$pid/exe" 2>/dev/null)" in
            */wineserver*) continue ;;
            */wine*) ;;
            *) continue ;;
        esac
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        local command
        command="$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
        case "$command" in
            *'C:\windows\'* | *wineserver* | '') continue ;;
        esac
        left="$left [${command%"${command##*[! ]}"}]"
    done
    [ -n "$left" ] || return 0
    echo "wine-run: ended what the test left running:$left" >&2
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}

wine_env_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    fi
}
