#!/usr/bin/env bash
# Installs what is missing, builds korvex and runs it on the rectangular
# example: in its windows when there is a display and the windows were built,
# otherwise the readable summary of the headless calculation.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencias.sh
korvex_instalar_dependencias

# Same build directory and options as ./test.sh, so neither rebuilds the
# other's work (KORVEX_BUILD names another directory).
BUILD=${KORVEX_BUILD:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_WERROR=ON >/dev/null
cmake --build "$BUILD" -j2 --target korvex >&2

EJEMPLO=ejemplos/viga_rectangular.kvx
if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } &&
   ! "$BUILD/korvex" --version | grep -q "sin ventanas"; then
  exec "$BUILD/korvex" "$EJEMPLO"
fi
exec "$BUILD/korvex" --calcular "$EJEMPLO"
