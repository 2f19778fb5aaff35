#!/usr/bin/env bash
# Builds the release program and the benchmark, starts a private X server and a
# private session bus, compares torvanel with a bare Qt window of the same widgets,
# then, with a screen reader's listener on AT-SPI, times torvanel's boxes holding long
# pasted texts: 10 MB in OhmInput, 1 MB and 10 MB in the help box.
# usage: scripts/bench.sh [RUNS]   (default 20 runs of each; a quarter of them, 1 to 5, with each long text)
#        TORVANEL_BENCH_BUILD=DIR builds in DIR instead of build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh run xvfb xauth x11-utils libx11-dev libxtst-dev libxdamage-dev dbus-daemon dbus-bin at-spi2-core
build=${TORVANEL_BENCH_BUILD:-build/release}
cmake --preset release -B "$build" -DTORVANEL_BENCH=ON >/dev/null
cmake --build "$build"

# shellcheck source=private-display.sh
source scripts/private-display.sh
start_xvfb
use_private_runtime_dir
# The session bus starts the accessibility bus and its registry when first asked.
# Its daemons' notices are left out of the report.
DISPLAY=$x_display dbus-run-session -- "$build/bench/torvanel_startup_bench" \
  "$build/src/app/torvanel" "$build/bench/torvanel_bare_window" "$build/bench/torvanel_bench_helper" "${1:-20}" \
  2> >(grep -v -e '^dbus-daemon\[' -e '^SpiRegistry' >&2)
