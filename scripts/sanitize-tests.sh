#!/usr/bin/env bash
# Builds everything, GUI tests included, with AddressSanitizer and
# UndefinedBehaviorSanitizer into <build>/sanitize and runs the whole test
# suite there but the Windows cross build. Any report of either sanitizer, or
# of LeakSanitizer beyond the system libraries listed in
# tests/sanitizer/lsan.supp, fails the test that caused it and so this script.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}/sanitize"

# Warnings stay warnings here: gcc's flow-based checks (-Wrestrict and the
# like) misfire on instrumented code; the normal build holds them as errors.
cd "$root"
cmake --preset sanitize -B "$build" >/dev/null
cmake --build "$build" --parallel 2

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:print_stacktrace=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The Windows cross build under Wine carries no sanitizer and the normal
# suite runs it already.
ctest --test-dir "$build" --output-on-failure --no-tests=error --parallel 2 -E '^windows_build_under_wine$'
