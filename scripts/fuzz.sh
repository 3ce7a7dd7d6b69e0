#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan) and runs each for
# SECONDS_PER_TARGET seconds (default 30), one after the other. The working
# corpus lives in <build>/fuzz/corpus and grows from run to run; it starts
# from tests/data, examples/ and fuzz/seeds/. Exits non-zero when any target
# finds a crash, a leak, undefined behaviour or a slow input; what it found
# stays in <build>/fuzz/artifacts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}/fuzz"
seconds="${1:-30}"

(cd "$root" && cmake --preset fuzz -B "$build" >/dev/null)
cmake --build "$build" --parallel 2 --target fuzz_scanner fuzz_definition fuzz_entrylist fuzz_roundtrip fuzz_pdf fuzz_dsv678 fuzz_dsv678_entrylist fuzz_dsv678_results

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=()

# run TARGET LONGEST_INPUT SEED...
run() {
  local target="$1" maxLen="$2"
  shift 2
  local corpus="$build/corpus/$target" log="$build/logs/$target.log" status=0
  mkdir -p "$corpus" "$build/artifacts" "$build/logs"
  for seed in "$@" "$root/fuzz/seeds/$target"/*; do
    if [ -f "$seed" ]; then cp -n "$seed" "$corpus/"; fi
  done
  "$build/fuzz/$target" "$corpus" -dict="$root/fuzz/dsv.dict" -max_len="$maxLen" -max_total_time="$seconds" \
    -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    >"$log" 2>&1 || status=$?
  local executions files
  executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  files="$(find "$corpus" -type f | wc -l)"
  if [ "$status" -eq 0 ]; then
    printf '%-16s %10s executions in %ss, corpus %s files\n' "$target" "${executions:-?}" "$seconds" "$files"
  else
    printf '%-16s FAILED (exit %s) after %s executions; see %s\n' "$target" "$status" "${executions:-?}" "$log"
    grep -m 5 -E 'ERROR|FINDING|runtime error|Test unit written' "$log" || true
    failed+=("$target")
  fi
}

data="$root/tests/data"
run fuzz_scanner 4096 "$data"/*.dsv "$data"/*.meld "$data"/*.DSV "$root"/examples/*.dsv
run fuzz_definition 8192 "$data"/*.dsv "$root"/examples/*.dsv
run fuzz_entrylist 4096 "$data"/*.meld "$data"/*.DSV
run fuzz_roundtrip 8192 "$data"/minimal.dsv "$root"/examples/*.dsv
run fuzz_pdf 4096
# The real definition lists beside the repository, where they are (a worktree
# has them two levels up), seed the reader of formats 6 to 8.
real="${NATARIX_DSV_CORPUS_DIR:-}"
for candidate in "$root/../shared/corpus/dsv-real" "$root/../../shared/corpus/dsv-real"; do
  if [ -z "$real" ] && [ -d "$candidate" ]; then real="$candidate"; fi
done
run fuzz_dsv678 8192 ${real:+"$real"/*Wk.dsv[678]}
run fuzz_dsv678_entrylist 8192 "$data"/two-rounds-Me.DSV7 ${real:+"$real"/*Me.dsv[678]}
# Of the real result lists only the small example fits below the longest input.
run fuzz_dsv678_results 8192 ${real:+"$real"/*ergebnis.dsv7}

if [ ${#failed[@]} -ne 0 ]; then
  echo "Findings in: ${failed[*]}"
  exit 1
fi
