#!/usr/bin/env bash
# Runs the GUI tests on Qt's wayland platform under Weston with the pixman renderer (no GPU).
# Weston's headless backend offers no seat, so no window there could ever take keyboard
# focus; Weston runs instead as a client of a private Xvfb, which gives it one.
# A compositor that does not start fails the run, with its log.
# usage: scripts/wayland-gui-tests.sh GUI_TESTS [GTEST_ARGS...]
set -euo pipefail
gui_tests=$(realpath "$1")
shift
scratch=$(mktemp -d)
helpers=()
cleanup() {
  set +e # a helper that already ended must not stop the cleanup
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM
fail() {
  echo "FAIL: $*"
  for log in "$scratch"/xvfb.log "$scratch"/weston.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log") ---"; cat "$log"; }
  done
  exit 1
}
wait_for() { # SECONDS COMMAND...: true once COMMAND succeeds
  local tries=$(($1 * 10))
  shift
  for ((i = 0; i < tries; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
helpers+=($!)
wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"

export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
DISPLAY=:$(cat "$scratch/display") weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 \
  --no-config --idle-time=0 --socket=torvanel-tests >"$scratch/weston.log" 2>&1 &
weston=$!
helpers+=("$weston")
# Windows can be shown once the shell is up.
shell_up() { grep -q "launching '.*weston-desktop-shell'" "$scratch/weston.log"; }
wait_for 20 eval 'shell_up || ! kill -0 "$weston"'
kill -0 "$weston" 2>/dev/null || fail "weston ended as it started"
shell_up || fail "weston's shell did not start within 20 s"

status=0
env -u DISPLAY WAYLAND_DISPLAY=torvanel-tests TORVANEL_GUI_TEST_PLATFORM=wayland "$gui_tests" "$@" || status=$?
kill -0 "$weston" 2>/dev/null || fail "weston ended during the tests"
exit "$status"
