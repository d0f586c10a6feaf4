# Shared by test.sh and run.sh: installs the Debian packages that are missing.
# As root: one apt-get update, then apt-get install of the missing ones.
# As another user: lists them with the command to install them, and fails.

KORVEX_PAQUETES=(
  cmake make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  clang-14 libclang-rt-14-dev
  qt6-translations-l10n
  poppler-utils fonts-liberation xvfb xauth
  dpkg-dev file
  libdxflib-dev
)

korvex_instalar_dependencias() {
  local faltan=()
  local p
  for p in "${KORVEX_PAQUETES[@]}"; do
    if ! dpkg -s "$p" >/dev/null 2>&1; then
      faltan+=("$p")
    fi
  done
  if [ ${#faltan[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Faltan paquetes: ${faltan[*]}" >&2
    echo "Instálelos con: sudo apt-get update && sudo apt-get install -y --no-install-recommends ${faltan[*]}" >&2
    return 1
  fi
  echo "Instalando: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update && apt-get install -y --no-install-recommends "${faltan[@]}"
}
