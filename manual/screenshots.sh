#!/usr/bin/env bash
# Takes the manual's screenshots from the real windows: Monitor.exe against the
# virtual mouse and Option.exe, run under Wine on a private Xvfb and driven by
# pointer clicks at the centres of their skin rectangles (xdotool); each picture
# is the screen area of the main window, dialogs and menus included.
#   manual/screenshots.sh       (after scripts/build.sh windows)
# Writes manual/images/*.png; commit them, the PDF build needs no Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${BUILD_ROOT:-$root/build}"
images="$root/manual/images"
command -v xdotool >/dev/null || { echo "screenshots: xdotool is missing (scripts/setup.sh installs it)" >&2; exit 1; }

WINDOWS_BUILD_DIR="$build_root/windows"
# A display of our own: the pictures must not show anything else.
unset DISPLAY
source "$root/scripts/wine-env.sh"
work="$(mktemp -d /tmp/manual-screenshots.XXXXXX)"
cleanup() {
    WINEPREFIX="$work/installer-prefix" wineserver -k >/dev/null 2>&1 || true
    export WINEPREFIX="$build_prefix"
    wine_env_stop
    rm -rf "$work"
}
build_prefix="$WINEPREFIX"
trap cleanup EXIT
wine_env_start

program="$work/program"
cp -r "$WINDOWS_BUILD_DIR/dist" "$program"
printf '[VirtualMouse]\r\nEnabled=1\r\nAttached=1\r\nLog=transfers.log\r\n' > "$program/portio.ini"

wait_for() {  # wait_for <command...>: polls for up to a minute
    local tenth
    for ((tenth = 0; tenth < 600; tenth++)); do
        "$@" && return 0
        sleep 0.1
    done
    echo "screenshots: gave up waiting for: $*" >&2
    return 1
}

wine "$program/Monitor.exe" </dev/null >/dev/null 2>&1 &
wait_for grep -q ' SetFeature 8 020[1-5]' "$program/transfers.log" 2>/dev/null
wine "$program/Option.exe" </dev/null >/dev/null 2>&1 &
option_title="TARVIK-Q7 Gaming Mouse Option"
wait_for xdotool search --onlyvisible --name "^$option_title\$" >/dev/null
main="$(xdotool search --onlyvisible --name "^$option_title\$" | head -1)"
eval "$(xdotool getwindowgeometry --shell "$main")"
main_x=$X main_y=$Y main_w=$WIDTH main_h=$HEIGHT

# Centre of a placement key of a skin file, in the skin's coordinates: "x y".
skin_centre() {
    tr -d '\r' < "$program/skins/$1" | awk -F'[=,]' -v key="$2" \
        '$1 == key && NF >= 6 { printf "%d %d\n", $3 + $5 / 2, $4 + $6 / 2; exit }'
}
# Clicks a key of a skin whose window's top-left corner is at (x, y).
click_skin() {  # click_skin <x> <y> <skin file> <key> [button]
    local centre
    centre=($(skin_centre "$3" "$4"))
    xdotool mousemove $(($1 + centre[0])) $(($2 + centre[1])) click "${5:-1}"
    sleep 1
}
click_main() { click_skin "$main_x" "$main_y" skin_main.ini "$@"; }
page_x=$((main_x + 486)) page_y=$((main_y + 110))
click_page() { click_skin "$page_x" "$page_y" "$@"; }
# Top-level windows: "id" per line, for telling which window a click opened.
window_ids() { xwininfo -root -children | awk '/^ +0x/ { print $1 }' | sort; }
# Runs a command that opens a window; sets win_x, win_y to its top-left corner.
opens_window() {
    local before after id
    before="$(window_ids)"
    "$@"
    for ((tenth = 0; tenth < 300; tenth++)); do
        after="$(comm -13 <(echo "$before") <(window_ids))"
        for id in $after; do
            eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "X="$NF} /Absolute upper-left Y/{print "Y="$NF} /Width:/{print "W="$NF} /Map State/{print "M="$NF}')"
            if [ "$M" = IsViewable ] && [ "$W" -gt 60 ]; then
                win_x=$X win_y=$Y
                sleep 1
                return 0
            fi
        done
        sleep 0.1
    done
    echo "screenshots: no window opened by: $*" >&2
    return 1
}

shot() {  # shot <name> [extra height]: the main window's area of the screen
    local height=$((main_h + ${2:-0}))
    [ $((main_y + height)) -gt 1024 ] && height=$((1024 - main_y))
    sleep 1.5
    import -window root -crop "${main_w}x${height}+${main_x}+${main_y}" +repage "$images/$1.png"
    echo "screenshots: $1.png"
}
key() { xdotool key --delay 120 "$@"; sleep 0.7; }
# Opens the function menu of a main-window button and walks it with the keyboard.
menu_item() {  # menu_item <main key> <keys...>
    click_main "$1"
    shift
    key "$@"
}

mkdir -p "$images"
xdotool mousemove 0 0
shot main-window

# The function menu of the front side button and the dialogs behind it.
click_main 23
shot function-menu 200
key Escape

opens_window menu_item 23 $(printf 'Down %.0s' {1..10}) Return
key F5
click_skin "$win_x" "$win_y" skin_shortcut.ini 7
shot dialog-shortcut
click_skin "$win_x" "$win_y" skin_shortcut.ini 3

opens_window menu_item 23 $(printf 'Down %.0s' {1..19}) Return
click_skin "$win_x" "$win_y" skin_lanuch_program.ini 1
xdotool type --delay 60 'C:\Games\Arena\arena.exe'
shot dialog-program
click_skin "$win_x" "$win_y" skin_lanuch_program.ini 4

opens_window menu_item 23 Down Down Right $(printf 'Down %.0s' {1..8}) Return
shot dialog-player
click_skin "$win_x" "$win_y" skin_select_player.ini 3

# The left button may not become a right button while no other left button exists.
opens_window menu_item 20 $(printf 'Down %.0s' {1..7}) Return
shot dialog-click-warning
click_skin "$win_x" "$win_y" skin_click_warn.ini 1

opens_window click_main 4
click_skin "$win_x" "$win_y" skin_profile.ini 1
key End $(printf 'BackSpace %.0s' {1..20})
xdotool type --delay 60 'Arena'
click_skin "$win_x" "$win_y" skin_profile.ini 2
xdotool type --delay 60 'C:\Games\Arena\arena.exe'
shot dialog-properties
click_skin "$win_x" "$win_y" skin_profile.ini 5

opens_window click_main 45
shot dialog-reset-all
click_skin "$win_x" "$win_y" skin_reset_all_warn.ini 2

# The pages.
click_main 40
shot page-resolution
opens_window click_page skin_DPI.ini 12
shot dialog-colour
click_skin "$win_x" "$win_y" skin_dpi_color.ini 7
click_main 39
shot page-performance
click_main 38
shot page-lighting

# A macro recorded from the keyboard on the macro page, then put on a button.
click_main 37
click_page skin_macro_manager.ini 4
xdotool type --delay 60 'Reload'
key Return
click_page skin_macro_manager.ini 7
xdotool type --delay 150 'rr'
key shift+1
click_page skin_macro_manager.ini 7
shot page-macros
click_page skin_macro_manager.ini 1

opens_window menu_item 23 Down Right Return
click_skin "$win_x" "$win_y" skin_select_macro.ini 1
key Down Return
click_skin "$win_x" "$win_y" skin_select_macro.ini 6
shot dialog-macro
click_skin "$win_x" "$win_y" skin_select_macro.ini 3

# The installer's and the uninstaller's pages, in a prefix of their own so
# that the build's prefix gets no installation.
installer_window() { xdotool search --onlyvisible --name "^TARVIK-Q7 Gaming Mouse $1" | head -1; }
shot_window() {  # shot_window <window id> <name>
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$images/$2.png"
    echo "screenshots: $2.png"
}
export WINEPREFIX="$work/installer-prefix"
wineboot -i >/dev/null 2>&1 || true
wine "$WINDOWS_BUILD_DIR/Setup.exe" </dev/null >/dev/null 2>&1 &
wait_for installer_window Setup >/dev/null
setup_window="$(installer_window Setup)"
key Return
shot_window "$setup_window" setup-folder
key Return
# The detail list makes a windowed installation slow under Wine.
uninstaller="$WINEPREFIX/drive_c/Program Files/TARVIK-Q7 Gaming Mouse/Uninstall.exe"
for ((tenth = 0; tenth < 3000; tenth++)); do
    [ -f "$uninstaller" ] && break
    sleep 0.1
done
sleep 5
key Return
wine "$uninstaller" </dev/null >/dev/null 2>&1 &
wait_for installer_window Uninstall >/dev/null
key Return
shot_window "$(installer_window Uninstall)" uninstall-components
key Escape
