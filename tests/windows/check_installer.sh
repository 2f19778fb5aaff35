#!/usr/bin/env bash
# Both Windows packages under Wine, as a user and as a lab's administrator use them: the
# per-user installer installed silently, its files, link and entry in the list of
# programs checked, then uninstalled silently while TORVANEL runs; the MSI installed
# silently, replaced by a newer package and removed. Nothing may be left behind.
# usage: check_installer.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}
wineserver=/usr/lib/wine/wineserver
# shellcheck source=../../scripts/private-display.sh
source "$root/scripts/private-display.sh"
start_xvfb
export DISPLAY=$x_display
cmake --build "$build" --target packages >/dev/null
installer=$(ls -t "$build"/torvanel-*-setup.exe | head -n 1)
version=${installer##*/torvanel-}
version=${version%-setup.exe}
wine() { "$root/scripts/wine-run.sh" "$@"; }
windows_path() { echo "Z:${1//\//\\}"; }
failed=0
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi; }
# An uninstall entry as "NAME TYPE VALUE" lines; empty when there is none.
entry_of() {
  wine reg query "$1" 2>/dev/null | tr -d '\r' | awk -F '    ' '$3 ~ /^REG_/ { print $2, $3, $4 }' || true
}
has() { for line in "${@:2}"; do grep -Eqx "$line" <<<"$1" || return 1; done; }
absent() { for path; do [ ! -e "$path" ] || { echo "left behind: $path"; return 1; }; done; }
key_absent() { ! wine reg query "$1" >/dev/null 2>&1; }
settle() { timeout 120 "$wineserver" -w || fail "a Windows program did not end"; }

# The per-user installer.
wine reg query 'HKCU\Environment' >/dev/null 2>&1 || true # makes the prefix on first use
home=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
installed="$home/AppData/Local/Programs/TORVANEL"
user_link="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/TORVANEL.lnk"
common_link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TORVANEL.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TORVANEL'
absent "$installed" "$user_link" "$common_link" || fail "a copy from an earlier run is in the way"
wine "$(windows_path "$installer")" /S
settle
entry=$(entry_of "$key")
kib=$(sed -n 's/^EstimatedSize REG_DWORD //p' <<<"$entry")
check "torvanel.exe and its uninstaller installed for the user" test -f "$installed/torvanel.exe" -a -f "$installed/Uninstall.exe"
check "a Start-menu entry" test -f "$user_link"
check "listed with its version, where it lies and how to remove it silently" has "$entry" \
  "DisplayVersion REG_SZ $version" "Publisher REG_SZ TORVANEL" "InstallLocation REG_SZ .*\\\\Programs\\\\TORVANEL" \
  'QuietUninstallString REG_SZ ".*\\Uninstall.exe" /S' "NoModify REG_DWORD 0x1" "NoRepair REG_DWORD 0x1"
check "its size listed, a number of KiB that holds the program" \
  test -n "$kib" -a $((${kib:-0} * 1024)) -ge "$(stat -c %s "$installed/torvanel.exe")"
# Removed while it runs: closed first, then nothing is left.
wine "$(windows_path "$installed/torvanel.exe")" >"$scratch/program.log" 2>&1 &
helpers+=($!)
wait_for 60 xdotool search --name '^TORVANEL' || fail "TORVANEL did not show its window"
wine "$(windows_path "$installed/Uninstall.exe")" /S
timeout 60 "$wineserver" -w || fail "the uninstaller left TORVANEL running"
check "uninstalled while running, the program is closed and nothing is left" absent "$installed" "$user_link"
check "nor its entry in the registry" key_absent "$key"

# The MSI, per machine.
msi=$(windows_path "$build/torvanel-$version.msi")
program_files="$WINEPREFIX/drive_c/Program Files/TORVANEL"
msi_entry() { # the key of each entry named TORVANEL that Windows Installer made
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ { key = $0 } /^ +DisplayName +REG_SZ +TORVANEL$/ && key ~ /\{/ { print key }'
}
wine msiexec /i "$msi" /qn || echo "msiexec ended with $? (the checks below say what it left)"
settle
check "the MSI installs into Program Files" test -f "$program_files/torvanel.exe"
# For all users on Windows; Wine's Windows Installer puts it in the user's menu.
check "with a Start-menu entry" test -f "$common_link" -o -f "$user_link"
check "listed once, with its version" has "$(entry_of "$(msi_entry)")" "DisplayVersion REG_SZ $version"
# A newer package (the same upgrade code) replaces it.
newer="$scratch/newer.msi"
(cd "$root" && wixl -a x64 -D Version=99.0 -D "ProductCode=$(cat /proc/sys/kernel/random/uuid)" -D "Program=$(realpath --relative-to="$root" "$build/src/app/torvanel.exe")" \
  -D Icon=data/torvanel.ico -o "$newer" cmake/windows/torvanel.wxs)
wine msiexec /i "$(windows_path "$newer")" /qn || echo "msiexec ended with $? (the checks below say what it left)"
settle
check "a newer package replaces it: one entry, the newer version" \
  test "$(msi_entry | wc -l)" -eq 1 -a -n "$(entry_of "$(msi_entry)" | grep -x 'DisplayVersion REG_SZ 99.0')"
wine msiexec /x "$(windows_path "$newer")" /qn || echo "msiexec ended with $? (the checks below say what it left)"
settle
check "msiexec /x leaves nothing" absent "$program_files" "$common_link" "$user_link"
check "nor an entry in the list of programs" test -z "$(msi_entry)"
exit $failed
