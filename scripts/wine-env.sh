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

wine_env_start() {
    wine_env_start_display
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
    # A persistent wineserver makes each process start in about a second.
    wineserver -p >/dev/null 2>&1 || true
    # Start Wine's own service processes here, detached from our output:
    # started from inside a test they would inherit its pipe and keep ctest
    # waiting for the end of the output.
    wineboot </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    fi
}
