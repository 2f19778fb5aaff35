#!/usr/bin/env bash
# Makes the installer, installs it silently under Wine for the user, checks what it put
# in place and what Windows' list of installed programs reads of it, uninstalls it
# silently and checks that nothing of it is left.
# usage: check_installer.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}
wineserver=/usr/lib/wine/wineserver
(cd "$build" && cpack -G NSIS >/dev/null)
installer=$(ls "$build"/torvanel-*-setup.exe)
"$root/scripts/wine-run.sh" "Z:${installer//\//\\}" /S
"$wineserver" -w
home=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
installed="$home/AppData/Local/Programs/TORVANEL"
shortcut=$(find "$home/AppData/Roaming/Microsoft/Windows/Start Menu" -name 'TORVANEL.lnk' 2>/dev/null | head -n 1)
failed=0
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi; }
# The entry in Windows' list of installed programs, as "NAME TYPE VALUE" lines.
uninstall_entry() {
  "$root/scripts/wine-run.sh" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TORVANEL' \
    2>/dev/null | tr -d '\r' | awk -F '    ' '$3 ~ /^REG_/ { print $2, $3, $4 }' || true
}
entry=$(uninstall_entry)
has() { for line; do grep -Eqx "$line" <<<"$entry" || return 1; done; }
size_covers_program() {
  local kib
  kib=$(sed -n 's/^EstimatedSize REG_DWORD //p' <<<"$entry")
  [ -n "$kib" ] && (( kib * 1024 >= $(stat -c %s "$installed/torvanel.exe") ))
}
nsi="$build/_CPack_Packages/win64/NSIS/project.nsi"
italian_alone_without_licence() {
  [ "$(grep -o 'MUI_LANGUAGE "[^"]*"' "$nsi" | sort -u)" = 'MUI_LANGUAGE "Italian"' ] &&
    ! grep -q MUI_PAGE_LICENSE "$nsi"
}
check "torvanel.exe installed for the user" test -f "$installed/torvanel.exe"
check "an uninstaller beside it" test -f "$installed/Uninstall.exe"
check "a Start-menu entry" test -n "$shortcut"
check "NoModify and NoRepair as the numbers Windows reads" has "NoModify REG_DWORD 0x1" "NoRepair REG_DWORD 0x1"
check "its publisher and version listed" has "Publisher REG_SZ .+" "DisplayVersion REG_SZ .+"
check "its size listed, a number of KiB that holds the program" size_covers_program
check "its pages in Italian alone, with no licence page" italian_alone_without_licence
if [ -f "$installed/Uninstall.exe" ]; then
  "$root/scripts/wine-run.sh" "Z:${installed//\//\\}\\Uninstall.exe" /S
  "$wineserver" -w
fi
check "the uninstaller removes the program" test ! -e "$installed/torvanel.exe"
check "and the Start-menu entry" test ! -e "$shortcut"
entry=$(uninstall_entry)
check "and its entry in the list of programs" test -z "$entry"
exit $failed
