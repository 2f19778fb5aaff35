#!/usr/bin/env bash
# Runs the GUI tests on Qt's wayland platform under Weston with the pixman renderer (no GPU).
# Weston's headless backend offers no seat, so no window there could ever take keyboard
# focus; Weston runs instead as a client of a private Xvfb, which gives it one.
# A compositor that does not start fails the run, with its log.
# usage: scripts/wayland-gui-tests.sh GUI_TESTS [GTEST_ARGS...]
set -euo pipefail
gui_tests=$(realpath "$1")
shift
# shellcheck source=private-display.sh
source "$(dirname "$(realpath "$0")")/private-display.sh"

start_xvfb
use_private_runtime_dir
DISPLAY=$x_display weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 \
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
