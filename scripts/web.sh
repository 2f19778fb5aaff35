#!/usr/bin/env bash
# Builds the page on Debian 12 and installs what that needs: the core as WebAssembly
# (emscripten) with the page's script, style, manifest and service worker, as one static
# site in build/web/ that any static web server can serve.
# usage: scripts/web.sh [serve [PORT]|test|bench [RUNS]]   (serve: then serves it on 127.0.0.1
#   for a person to open; test: then runs its tests; bench: then reports its figures)
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
# emscripten's optimizer finds Debian's node-acorn there.
export NODE_PATH=/usr/share/nodejs
scripts/setup.sh web
cmake --preset web >/dev/null
cmake --build --preset web
echo "Page: build/web/ (index.html and its files)"
case "${1:-}" in
  serve) exec /usr/bin/python3 scripts/serve_site.py build/web "${2:-8080}" ;;
  test) ctest --preset web ;;
  bench) /usr/bin/python3 bench/web_bench.py build/web "${2:-20}" ;;
esac
