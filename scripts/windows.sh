#!/usr/bin/env bash
# Builds the Windows program on Debian 12 and installs what that needs: one statically
# linked build/windows/src/app/torvanel.exe, cross-built with MinGW-w64, its per-user
# installer build/windows/torvanel-*-setup.exe (NSIS) and its MSI for labs
# build/windows/torvanel-*.msi (wixl).
# usage: scripts/windows.sh [test|bench]   (test: then runs the Windows tests under Wine;
#                                          bench [RUNS]: then times start-up and a click under Wine
#                                          against a bare window of the same controls)
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh windows
bench=OFF
[ "${1:-}" = bench ] && bench=ON
cmake --preset windows -DTORVANEL_BENCH=$bench >/dev/null
cmake --build --preset windows
cmake --build --preset windows --target packages >/dev/null
echo "Windows program: build/windows/src/app/torvanel.exe; installer: $(ls -t build/windows/torvanel-*-setup.exe | head -n 1);" \
  "MSI: $(ls -t build/windows/torvanel-*.msi | head -n 1)"
case "${1:-}" in
  test) ctest --preset windows ;;
  bench)
    # shellcheck source=private-display.sh
    source scripts/private-display.sh
    start_xvfb
    build_folder="Z:$(pwd | tr / '\\')\\build\\windows"
    DISPLAY=$x_display scripts/wine-run.sh build/windows/bench/windows_bench.exe \
      "$build_folder\\src\\app\\torvanel.exe" "$build_folder\\bench\\torvanel_bare_window.exe" "${2:-20}"
    ;;
esac
