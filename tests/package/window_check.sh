#!/usr/bin/env bash
# Starts a program on a private X server with a window manager and waits until a top-level
# window whose title begins with TORVANEL is mapped; then closes it as a user would (the
# window manager sends WM_DELETE_WINDOW) and expects the program to end with status 0.
# Every wait has a limit: a hang fails.
# usage: window_check.sh [--map-timeout SECONDS] COMMAND [ARGS...]
set -euo pipefail
map_timeout=30
if [ "${1:-}" = --map-timeout ]; then
  map_timeout=$2
  shift 2
fi

# shellcheck source=../../scripts/private-display.sh
source "$(dirname "$(realpath "$0")")/../../scripts/private-display.sh"

start_xvfb
export DISPLAY=$x_display
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
helpers+=($!)
wait_for 10 wmctrl -m || fail "no window manager on $DISPLAY"
export QT_QPA_PLATFORM=xcb
use_private_runtime_dir

"$@" >"$scratch/program.log" 2>&1 &
program=$!
helpers+=("$program")
deadline=$((SECONDS + map_timeout))
window=""
while [ -z "$window" ]; do
  kill -0 "$program" 2>/dev/null || fail "the program ended before its window was mapped"
  ((SECONDS < deadline)) || fail "no window titled TORVANEL was mapped within ${map_timeout}s"
  window=$(xdotool search --onlyvisible --name '^TORVANEL( |$)' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] || sleep 0.2
done
echo "window $window mapped"

wmctrl -i -c "$window"
wait_for 10 eval '! kill -0 "$program"' || fail "still running 10 s after its window was closed"
status=0
wait "$program" || status=$?
unset 'helpers[-1]' # it has ended: its number may belong to another process by now
[ "$status" -eq 0 ] || fail "ended with status $status after its window was closed"
echo "closed by the window manager, exit status 0"
