#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test:
# the suite (core, PDF, export, CLI, window, the Windows build under Wine and
# the source format), then the whole suite again with AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a short, fixed time.
#
#   scripts/test.sh          everything, as CI runs it
#   scripts/test.sh --quick  the suite only, for local work
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}"
quick=false
case "${1:-}" in
  --quick) quick=true ;;
  "") ;;
  *) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac

started=$SECONDS
step() { printf '\n== %s (%s, %ss so far)\n' "$1" "$(date +%H:%M:%S)" "$((SECONDS - started))"; }

step "setup"
"$root/scripts/setup.sh"
step "build"
"$root/scripts/build.sh"
step "tests"
# setup.sh installed every tool: a test that would skip for want of one fails.
export NATARIX_REQUIRE_TOOLS=1
cd "$root"
ctest --preset dev --test-dir "$build" --parallel "$(nproc)"
if ! $quick; then
  step "tests with AddressSanitizer and UndefinedBehaviorSanitizer"
  NATARIX_BUILD_DIR="$build" "$root/scripts/sanitize-tests.sh"
  step "fuzzing, ${NATARIX_FUZZ_SECONDS:-30}s per target"
  NATARIX_BUILD_DIR="$build" "$root/scripts/fuzz.sh" "${NATARIX_FUZZ_SECONDS:-30}"
fi
step "done"
