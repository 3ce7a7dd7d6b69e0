#!/usr/bin/env bash
# Cross-compiles the core, natarix-cli and the Windows tests with MinGW-w64
# and runs every Windows test program under Wine, each as one process.
#
#   scripts/windows-tests.sh [FOLDER]
#
# FOLDER defaults to ${NATARIX_BUILD_DIR:-build}/mingw; the Wine prefix lives
# in FOLDER/wine-prefix and is reused. Exit status: 0 when everything passed,
# 1 on any failure, 77 when the MinGW-w64 compiler or Wine is not installed
# (scripts/setup.sh installs both) — 1 there too when NATARIX_REQUIRE_TOOLS is
# set, as scripts/test.sh does, so that CI cannot pass by skipping the leg.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${NATARIX_BUILD_DIR:-$root/build}/mingw}"

for tool in x86_64-w64-mingw32-g++-posix wine wineboot wineserver; do
  if ! command -v "$tool" >/dev/null; then
    if [ -n "${NATARIX_REQUIRE_TOOLS:-}" ]; then
      echo "FAILED: $tool is not installed (scripts/setup.sh installs it)"
      exit 1
    fi
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done

mkdir -p "$build"
build="$(cd "$build" && pwd)"

step() { printf '\n== %s (%s)\n' "$1" "$(date +%H:%M:%S)"; }

step "cross build in $build"
# Configured every time, so that a folder from an older tree takes options
# the preset has gained since. The preset builds with -O2: GCC 12 reports
# false overlaps in std::string copies at -O3.
(cd "$root" && cmake --preset mingw -B "$build" >/dev/null)
programs=(tests/codec/codec_tests tests/formats/dsv5/dsv5_tests tests/formats/dsv678/dsv678_tests tests/export/export_tests tests/export/windows/mapi_tests tests/review/review_tests tests/times/times_tests)
if ! cmake --build "$build" --parallel "$(nproc)" --target natarix-cli "${programs[@]##*/}"; then
  echo "Windows tests FAILED: the cross build"
  exit 1
fi

step "Wine prefix"
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Windows-1252 as the ANSI code page, as on a German or English Windows, and
# UTF-8 file names on this side.
export LC_ALL=C.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating $WINEPREFIX (the first start takes a while)"
  wineboot -i >"$build/wineboot.log" 2>&1 || { cat "$build/wineboot.log"; exit 1; }
fi
# Let the prefix's server go down with the last program, not hold the output.
trap 'wineserver -k 2>/dev/null || true' EXIT

failed=()
for program in "${programs[@]}"; do
  step "${program##*/}"
  if wine "$build/$program.exe" --gtest_brief=1; then
    echo "PASS ${program##*/}"
  else
    echo "FAIL ${program##*/}"
    failed+=("${program##*/}")
  fi
done

# The program as a user starts it: in a folder whose name is not ASCII, with
# the definition list found there, the export written into that folder.
step "natarix-cli export"
work="$build/cli-export/Meldungen Jürgen"
rm -rf "$build/cli-export"
mkdir -p "$work"
cp "$root/tests/data/minimal.dsv" "$work/Prüfung.dsv"
cp "$root/tests/data/minimal.dsv.meld" "$work/Prüfung.dsv.meld"
dsv="060312-Musterstadt-Me-SVGruen-WeissMusterstadt.DSV"
pdf="060312-Musterstadt-Meldungen-SVGruen-WeissMusterstadt.PDF"
if (cd "$work" && wine "$build/src/cli/natarix-cli.exe" export) &&
  cmp "$work/$dsv" "$root/tests/data/minimal-export.DSV" &&
  [ "$(head -c 8 "$work/$pdf")" = "%PDF-1.1" ] &&
  { ! command -v qpdf >/dev/null || qpdf --check "$work/$pdf" >/dev/null; }; then
  echo "PASS natarix-cli export"
else
  echo "FAIL natarix-cli export"
  failed+=("natarix-cli export")
fi

echo
if [ ${#failed[@]} -ne 0 ]; then
  echo "Windows tests FAILED: ${failed[*]}"
  exit 1
fi
echo "Windows tests passed: ${programs[*]##*/} natarix-cli export"
