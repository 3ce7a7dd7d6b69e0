#!/usr/bin/env bash
# Sets up the machine, builds Natarix and starts it on the bundled example
# competition. The example is copied into a scratch folder inside the build
# folder, so the working file never lands in the source tree; the entries you
# make there are kept between runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

scratch="$build/example-run"
mkdir -p "$scratch"
for definition in "$root"/examples/*.dsv; do
  [ -e "$scratch/$(basename "$definition")" ] || cp "$definition" "$scratch/"
done
cd "$scratch"
echo "Beispielordner: $scratch"
exec "$build/src/cli/natarix-cli" show
