#!/usr/bin/env bash
# Sets up the machine, builds Natarix and opens its window on the bundled
# example competition. The example is copied into a scratch folder inside the
# build folder, so the working file never lands in the source tree; the
# entries you make there are kept between runs. Installs and builds only what
# the program needs; scripts/test.sh adds the rest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NATARIX_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh" --program
cd "$root"
cmake --preset release -B "$build/release" >/dev/null
cmake --build "$build/release" --parallel --target natarix

scratch="$build/example-run"
mkdir -p "$scratch"
for definition in "$root"/examples/*.dsv; do
  [ -e "$scratch/$(basename "$definition")" ] || cp "$definition" "$scratch/"
done
cd "$scratch"
echo "Beispielordner: $scratch"
program="$build/release/src/gui/natarix"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
# No screen here: run the window on a virtual one.
if command -v xvfb-run >/dev/null; then
  echo "Kein Bildschirm (DISPLAY und WAYLAND_DISPLAY leer): Natarix läuft unsichtbar auf einem virtuellen"
  echo "X-Server (xvfb-run). Zu sehen ist das Fenster nur mit Bildschirm: auf dem Desktop starten oder per"
  echo "'ssh -X' verbinden. Beenden mit Strg+C."
  exec xvfb-run -a "$program"
fi
echo "Kein Bildschirm und kein xvfb-run: bitte auf einem Rechner mit Bildschirm oder per 'ssh -X' starten," >&2
echo "oder das Paket xvfb installieren." >&2
exit 1
