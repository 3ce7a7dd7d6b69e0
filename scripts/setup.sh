#!/usr/bin/env bash
# Installs what building, running and testing Natarix needs on Debian 12.
# Skips what is already there; uses sudo when not run as root.
#
#   scripts/setup.sh            everything: the program, every test, the
#                               sanitizer and fuzz builds, the Windows leg
#   scripts/setup.sh --program  only what building and running the program needs
set -euo pipefail

# The window and natarix-cli: compiler, Qt with its German translations, a
# font, a virtual screen for machines without one, the mail hand-over, and
# libzip for the .DSV8z archives of format 8 (NATARIX_WITH_ZIP) and SQLite
# for the results database (NATARIX_WITH_RESULTS_STORE).
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n fonts-dejavu-core
  xvfb xdg-utils libzip-dev libsqlite3-dev
)
case "${1:-}" in
  --program) ;;
  "")
    packages+=(
      googletest libgtest-dev libgmock-dev libbenchmark-dev
      qpdf poppler-utils
      clang-format python3
      clang-14 libclang-rt-14-dev
      g++-mingw-w64-x86-64-posix wine wine64
    )
    ;;
  *) echo "usage: $0 [--program]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
