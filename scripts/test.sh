#!/usr/bin/env bash
# Sets up, builds and runs every test: the debug build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short replay of the fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

for preset in debug sanitizers fuzz; do
  echo "=== ${preset} build ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
