#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what clang-format makes
# of it; exits 77 (skipped) where clang-format is not installed, or 1 there
# when NATARIX_REQUIRE_TOOLS is set (scripts/test.sh sets it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
formatter="$(command -v clang-format-14 || command -v clang-format || true)"
if [ -z "$formatter" ]; then
  if [ -n "${NATARIX_REQUIRE_TOOLS:-}" ]; then
    echo "FAILED: clang-format is not installed"
    exit 1
  fi
  echo "SKIPPED: clang-format is not installed"
  exit 77
fi
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests fuzz bench -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
"$formatter" --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
