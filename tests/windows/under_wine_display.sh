#!/usr/bin/env bash
# Runs a Windows program under Wine on a private Xvfb, with the regional settings of an
# Italian Windows user (the comma as decimal separator). Arguments that are paths of
# this machine are handed over as Windows paths.
# usage: under_wine_display.sh PROGRAM.exe [ARG...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/private-display.sh
source "$root/scripts/private-display.sh"
start_xvfb
export DISPLAY=$x_display
"$root/scripts/wine-run.sh" reg add 'HKCU\Control Panel\International' /v sDecimal /t REG_SZ /d , /f >/dev/null
program=$1
shift
arguments=()
for argument in "$@"; do
  if [ -e "$argument" ]; then argument="Z:${argument//\//\\}"; fi
  arguments+=("$argument")
done
"$root/scripts/wine-run.sh" "$program" "${arguments[@]}"
