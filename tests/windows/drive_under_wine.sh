#!/usr/bin/env bash
# Runs the Win32 driver against torvanel.exe under Wine on a private Xvfb, with the
# regional settings of an Italian Windows user (the comma as decimal separator).
# usage: drive_under_wine.sh DRIVER.exe TORVANEL.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/private-display.sh
source "$root/scripts/private-display.sh"
start_xvfb
export DISPLAY=$x_display
"$root/scripts/wine-run.sh" reg add 'HKCU\Control Panel\International' /v sDecimal /t REG_SZ /d , /f >/dev/null
"$root/scripts/wine-run.sh" "$1" "Z:${2//\//\\}"
