#!/usr/bin/env bash
# Setup.exe under Wine in a fresh prefix, as a user meets it: silent install,
# upgrade over edited settings, silent uninstall, and an uninstall that removes
# the settings on request.
#   installer-test.sh <Setup.exe> <WindowProbe.exe> <scripts/wine-env.sh>
# The display comes from the caller (scripts/test.sh) or a private Xvfb.
set -uo pipefail
setup="$1"
probe="$2"
wine_env="$3"

WINDOWS_BUILD_DIR="$(mktemp -d /tmp/installer-test.XXXXXX)"
source "$wine_env"
wine_env_use_lane
export WINEPREFIX="$WINDOWS_BUILD_DIR/prefix"
own_display=0
[ -z "${DISPLAY:-}" ] && own_display=1

failures=0
check() {  # check <description> <command...>
    local description="$1"
    shift
    if "$@"; then
        echo "ok: $description"
    else
        echo "FAILED: $description"
        failures=$((failures + 1))
    fi
}
finish() {
    wineserver -k >/dev/null 2>&1
    [ "$own_display" = 1 ] && wine_env_stop
    rm -rf "$WINDOWS_BUILD_DIR"
}
trap finish EXIT

# Waits (generously) until the command succeeds.
wait_until() {
    local tenth
    for ((tenth = 0; tenth < 1200; tenth++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

started=$(date +%s)
wine_env_start
echo "fresh prefix ready after $(($(date +%s) - started)) s"

agent_title="TARVIK-Q7 Gaming Mouse Monitor"
option_title="TARVIK-Q7 Gaming Mouse Option"
program_dir="$WINEPREFIX/drive_c/Program Files/TARVIK-Q7 Gaming Mouse"
start_menu="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/TARVIK-Q7 Gaming Mouse"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
run_value="TARVIK-Q7 Gaming Mouse Monitor"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TARVIK-Q7 Gaming Mouse'
installed_files=(Monitor.exe Option.exe Herald.exe portio.dll strtab.dll ProfileTool.exe mousectl.exe "User Manual.pdf"
                 Uninstall.exe skins/skin_main.ini skins/main_normal.bmp)
settings_files=(config.ini config/Default0.gmp config/Default1.gmp config/Default2.gmp config/Default3.gmp
                config/Default4.gmp)

window() { wine "$probe" "$1" "$2" </dev/null >/dev/null 2>&1; }
reg_value() { wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' | grep -F "$2"; }
all_present() { local f; for f in "$@"; do [ -f "$program_dir/$f" ] || { echo "  missing: $f"; return 1; }; done; }
none_present() { local f; for f in "$@"; do [ -e "$program_dir/$f" ] && { echo "  left: $f"; return 1; }; done; return 0; }
full_writes() { grep -c ' SetFeature 8 020[1-5]' "$program_dir/transfers.log" 2>/dev/null; }
at_least_writes() { [ "$(full_writes)" -ge "$1" ]; }
run_silently() { wine "$@" </dev/null >/dev/null 2>&1; }

# The virtual mouse is chosen by portio.ini beside portio.dll; the installer
# neither ships nor removes it, so a folder prepared with it keeps it.
mkdir -p "$program_dir"
printf '[VirtualMouse]\r\nEnabled=1\r\nAttached=1\r\nLog=transfers.log\r\n' > "$program_dir/portio.ini"

echo "== silent install"
started=$(date +%s)
check "Setup.exe /S exits with 0" run_silently "$setup" /S
echo "install took $(($(date +%s) - started)) s"
check "program files installed" all_present "${installed_files[@]}"
check "default settings installed" all_present "${settings_files[@]}"
check "no test tools installed" none_present portioctl.exe skins/skin_gallery_buttons.ini
check "Start-menu entry for Option" test -f "$start_menu/Option.lnk"
check "Run entry starts the installed agent" bash -c "$(declare -f reg_value); reg_value '$run_key' '$run_value' | grep -qiF 'Gaming Mouse\\Monitor.exe'"
check "Add/Remove Programs entry" reg_value "$uninstall_key" UninstallString
check "agent window exists" window present "$agent_title"
check "installed agent wrote the profiles to the mouse" wait_until at_least_writes 1

echo "== upgrade over edited settings"
printf '\r\n[Edited]\r\nBy=user\r\n' >> "$program_dir/config/Default1.gmp"
printf '\r\n[Edited]\r\nBy=user\r\n' >> "$program_dir/config.ini"
printf '[Macro]\r\nCount=0\r\n' > "$program_dir/config/sequence.dat"
cp "$program_dir/config/Default1.gmp" "$program_dir/config.ini" "$program_dir/config/sequence.dat" "$WINDOWS_BUILD_DIR/"
rm "$program_dir/Option.exe"  # damaged installation: the upgrade must put it back
check "Setup.exe /S over the running agent exits with 0" run_silently "$setup" /S
check "program files back" all_present "${installed_files[@]}"
check "edited profile kept" cmp -s "$WINDOWS_BUILD_DIR/Default1.gmp" "$program_dir/config/Default1.gmp"
check "edited config.ini kept" cmp -s "$WINDOWS_BUILD_DIR/config.ini" "$program_dir/config.ini"
check "sequence.dat kept" cmp -s "$WINDOWS_BUILD_DIR/sequence.dat" "$program_dir/config/sequence.dat"
check "agent running again" window present "$agent_title"
check "the restarted agent wrote the profiles again" wait_until at_least_writes 2

echo "== silent uninstall, settings kept"
wine "$program_dir/Option.exe" </dev/null >/dev/null 2>&1 &
check "Option open before the uninstall" window present "$option_title"
check "Uninstall.exe /S exits with 0" run_silently "$program_dir/Uninstall.exe" /S
# The uninstaller copies itself away and works on after it returns.
check "uninstaller finished" wait_until test ! -e "$program_dir/Uninstall.exe"
check "Option closed" window absent "$option_title"
check "agent stopped" window absent "$agent_title"
check "program files removed" none_present "${installed_files[@]}" skins
check "settings kept" all_present "${settings_files[@]}" config/sequence.dat
check "Start-menu entries removed" test ! -e "$start_menu"
check "Run entry removed" bash -c "! { $(declare -f reg_value); reg_value '$run_key' '$run_value'; }"
check "Add/Remove Programs entry removed" bash -c "! { $(declare -f reg_value); reg_value '$uninstall_key' UninstallString; }"

echo "== reinstall keeps the kept settings; uninstall /REMOVESETTINGS removes them"
check "Setup.exe /S exits with 0" run_silently "$setup" /S
check "kept profile still the edited one" cmp -s "$WINDOWS_BUILD_DIR/Default1.gmp" "$program_dir/config/Default1.gmp"
check "agent running" window present "$agent_title"
check "Uninstall.exe /S /REMOVESETTINGS exits with 0" run_silently "$program_dir/Uninstall.exe" /S /REMOVESETTINGS
check "uninstaller finished" wait_until test ! -e "$program_dir/Uninstall.exe"
check "agent stopped" window absent "$agent_title"
check "settings removed" none_present "${settings_files[@]}" config

echo "$failures failed checks"
[ "$failures" -eq 0 ]
