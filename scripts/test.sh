#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}"

step() { printf '\n== %s (%s)\n' "$1" "$(date +%H:%M:%S)"; }

step "setup"
"$root/scripts/setup.sh"
step "build"
"$root/scripts/build.sh"
step "tests"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --no-tests=error --parallel "$(nproc)"
step "done"
