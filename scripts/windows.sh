#!/usr/bin/env bash
# Builds the Windows program on Debian 12 and installs what that needs: one statically
# linked build/windows/src/app/torvanel.exe and its installer build/windows/torvanel-*-setup.exe,
# cross-built with MinGW-w64 and NSIS.
# usage: scripts/windows.sh [test]   (test: then runs the Windows tests under Wine)
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh windows
cmake --preset windows >/dev/null
cmake --build --preset windows
(cd build/windows && cpack -G NSIS >/dev/null)
echo "Windows program: build/windows/src/app/torvanel.exe; installer: $(ls build/windows/torvanel-*-setup.exe)"
if [ "${1:-}" = test ]; then
  ctest --preset windows
fi
