#!/usr/bin/env bash
# Sets up, builds the release and makes the Debian package: build/release/torvanel_*.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
# Build on every core of this machine unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/setup.sh run dpkg-dev file
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack)
