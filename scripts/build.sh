#!/usr/bin/env bash
# Configures and builds into build/ (or $NATARIX_BUILD_DIR), benchmarks included
# so that they keep compiling; scripts/bench.sh runs them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNATARIX_WARNINGS_AS_ERRORS=ON \
  -DNATARIX_BUILD_BENCHMARKS=ON "$@" >/dev/null
cmake --build "$build" --parallel
