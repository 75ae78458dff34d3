#!/usr/bin/env bash
# Sets up, builds and opens the editor on the bundled sample data root.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kstred
root=${KESTREL_ROOT:-sample-root}
[ -d "$root" ] || "$build/src/kstred" make-sample "$root"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: start the editor under a desktop session (or xvfb-run ./run.sh)." >&2
  exit 1
fi
exec "$build/src/kstred" --root "$root" "$@"
