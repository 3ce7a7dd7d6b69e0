#!/usr/bin/env bash
# Configures and builds into build/ (or $NATARIX_BUILD_DIR), benchmarks included
# so that they keep compiling; scripts/bench.sh runs them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}"
cd "$root"
cmake --preset dev -B "$build" "$@" >/dev/null
cmake --build "$build" --parallel
