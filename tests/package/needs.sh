#!/usr/bin/env bash
# Runs a test command only if the tools it needs are installed; otherwise names them and
# exits with 77, which CTest reports as skipped (SKIP_RETURN_CODE), never as passed.
# usage: needs.sh TOOL... -- COMMAND [ARGS...]
set -euo pipefail
missing=()
while [ "$#" -gt 0 ] && [ "$1" != -- ]; do
  command -v "$1" >/dev/null || missing+=("$1")
  shift
done
shift
if ((${#missing[@]} > 0)); then
  echo "skipped: not installed: ${missing[*]} (scripts/setup.sh test installs them)"
  exit 77
fi
exec "$@"
