#!/usr/bin/env bash
# Builds the release program and the benchmark, starts a private X server and a
# private session bus, compares torvanel with a bare Qt window of the same widgets,
# then times torvanel holding a 10 MB text with a screen reader's listener on AT-SPI.
# usage: scripts/bench.sh [RUNS]   (default 20 runs of each; a quarter of them, 1 to 5, with the long text)
#        TORVANEL_BENCH_BUILD=DIR builds in DIR instead of build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh run xvfb xauth x11-utils libx11-dev libxtst-dev dbus-daemon dbus-bin at-spi2-core
build=${TORVANEL_BENCH_BUILD:-build/release}
cmake --preset release -B "$build" -DTORVANEL_BENCH=ON >/dev/null
cmake --build "$build"

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break || sleep 0.1
done
# The session bus starts the accessibility bus and its registry when first asked.
# Its daemons' notices are left out of the report.
DISPLAY=$display dbus-run-session -- "$build/bench/torvanel_startup_bench" \
  "$build/src/app/torvanel" "$build/bench/torvanel_bare_window" "$build/bench/torvanel_bench_helper" "${1:-20}" \
  2> >(grep -v -e '^dbus-daemon\[' -e '^SpiRegistry' >&2)
