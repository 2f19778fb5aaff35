#!/usr/bin/env bash
# Builds the release program and the start-up benchmark, starts a private X server
# and compares torvanel with a bare Qt window of the same widgets.
# usage: scripts/bench.sh [RUNS]   (default 20 runs of each)
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh run xvfb xauth x11-utils libx11-dev libxtst-dev
cmake --preset release -DTORVANEL_BENCH=ON >/dev/null
cmake --build --preset release

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break || sleep 0.1
done
DISPLAY=$display build/release/bench/torvanel_startup_bench \
  build/release/src/app/torvanel build/release/bench/torvanel_bare_window "${1:-20}"
