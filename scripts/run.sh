#!/usr/bin/env bash
# Sets up, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/app/torvanel "$@"
