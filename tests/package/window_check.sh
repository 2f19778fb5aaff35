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

scratch=$(mktemp -d)
helpers=()
program=""
cleanup() {
  set +e # a helper that already ended must not stop the cleanup
  [ -n "$program" ] && kill "$program" 2>/dev/null
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM
fail() {
  echo "FAIL: $*"
  for log in "$scratch"/*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log") ---"; tail -n 40 "$log"; }
  done
  exit 1
}
wait_for() { # SECONDS COMMAND...: true once COMMAND succeeds
  local tries=$(($1 * 10))
  shift
  for ((i = 0; i < tries; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# -displayfd: the server takes a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
helpers+=($!)
wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
helpers+=($!)
wait_for 10 wmctrl -m || fail "no window manager on $DISPLAY"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$@" >"$scratch/program.log" 2>&1 &
program=$!
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
program=""
[ "$status" -eq 0 ] || fail "ended with status $status after its window was closed"
echo "closed by the window manager, exit status 0"
