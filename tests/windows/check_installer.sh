#!/usr/bin/env bash
# Makes the installer, installs it silently under Wine for the user, checks what it put
# in place, uninstalls it silently and checks that nothing of it is left.
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
check "torvanel.exe installed for the user" test -f "$installed/torvanel.exe"
check "an uninstaller beside it" test -f "$installed/Uninstall.exe"
check "a Start-menu entry" test -n "$shortcut"
if [ -f "$installed/Uninstall.exe" ]; then
  "$root/scripts/wine-run.sh" "Z:${installed//\//\\}\\Uninstall.exe" /S
  "$wineserver" -w
fi
check "the uninstaller removes the program" test ! -e "$installed/torvanel.exe"
check "and the Start-menu entry" test ! -e "$shortcut"
exit $failed
