# shellcheck shell=bash
# Sourced by the scripts that run programs on a private X server: a scratch folder,
# helper processes ended on every exit path, a failure that shows their logs, bounded
# waits, and the X server itself. Sourcing it sets the EXIT and TERM traps.
scratch=$(mktemp -d)
helpers=() # processes to end when the script ends, newest first
cleanup() {
  set +e # a helper that already ended must not stop the cleanup
  for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM
# Fails with the end of every log kept in the scratch folder.
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
# Starts Xvfb and sets x_display to its display name. With -displayfd the server takes
# a free display number and writes it once it accepts clients.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  helpers+=($!)
  wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
  # shellcheck disable=SC2034 # read by the scripts that source this one
  x_display=:$(cat "$scratch/display")
}
# A private runtime folder, as a desktop session has one.
use_private_runtime_dir() {
  export XDG_RUNTIME_DIR="$scratch/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}
