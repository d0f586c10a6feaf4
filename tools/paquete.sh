#!/usr/bin/env bash
# Builds the Debian package korvex_<version>_<arch>.deb: installs what is
# missing (as ./test.sh does), configures a Release build of its own in
# build-paquete/ (KORVEX_BUILD_PAQUETE names another folder), builds only the
# korvex executable (with its manual page and changelog) and runs cpack
# there; lintian checks the package when installed. The build output goes to stderr;
# stdout gets one line, the path of the package:
#   deb=$(tools/paquete.sh) && sudo apt install "$deb"
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/dependencias.sh
korvex_instalar_dependencias >&2

# Warnings are shown but do not stop the package: ./test.sh is the gate that
# builds with -Werror, and GCC 12 at -O3 warns falsely inside libstdc++
# (-Wrestrict on std::string).
BUILD=${KORVEX_BUILD_PAQUETE:-build-paquete}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKORVEX_WERROR=OFF \
      -DKORVEX_BENCHMARKS=OFF >&2
cmake --build "$BUILD" -j2 --target korvex >&2

# cpack names the file it wrote: "CPack: - package: <path> generated."
salida=$(cd "$BUILD" && cpack -G DEB 2>&1) || { echo "$salida" >&2; exit 1; }
echo "$salida" >&2
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' <<<"$salida" | tail -1)
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "cpack no dejó ningún paquete .deb" >&2
  exit 1
fi
# lintian, when installed, reads the package: its report goes to stderr
# (the package test fails on any error or warning).
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" >&2 || true
fi
echo "$deb"
