#!/usr/bin/env bash
# Runs a Windows program under Wine, in a prefix of the project's own (made on first
# use), quietly: no Mono or Gecko installer prompts, no debug chatter.
# usage: scripts/wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
  "$(dirname "$wine")/wineserver" -w
fi
exec "$wine" "$@"
