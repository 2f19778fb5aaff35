#!/usr/bin/env bash
# Sets up, builds and runs every test: the debug build (then its GUI tests again on a
# Wayland compositor), the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# a short replay of the fuzzer, the Windows program's tests under Wine, and the page's
# tests under node and in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh test

for preset in debug sanitizers fuzz; do
  echo "=== ${preset} build ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
  if [ "$preset" = debug ]; then
    echo "=== lintian findings on the debug build's package ==="
    cat build/debug/lintian.txt
    echo "=== GUI tests on Wayland ==="
    scripts/wayland-gui-tests.sh build/debug/tests/gui_tests
  fi
done
echo "=== Windows build, its tests under Wine ==="
scripts/windows.sh test
echo "=== Web build, its tests under node and in headless Chromium ==="
scripts/web.sh test
