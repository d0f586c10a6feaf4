#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the full build (core, windows, headless command) and all its tests;
#  2. the core tests again under AddressSanitizer + UndefinedBehaviorSanitizer;
#  3. the libFuzzer target on the project reader, 60 seconds.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencias.sh
korvex_instalar_dependencias

JOBS=2
export QT_QPA_PLATFORM=offscreen

echo "== Compilación completa =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_WERROR=ON
cmake --build build -j"$JOBS"
(cd build && ctest --output-on-failure -j"$JOBS" --timeout 300) | tee build/ctest.log
resumen_completo=$(grep -E 'tests passed' build/ctest.log | tail -1)

echo "== Núcleo con AddressSanitizer y UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVEX_CORE_ONLY=ON -DKORVEX_SANITIZE=ON \
      -DKORVEX_BENCHMARKS=OFF
cmake --build build-asan -j"$JOBS"
(cd build-asan && ctest --output-on-failure -j"$JOBS" --timeout 600) | tee build-asan/ctest.log
resumen_asan=$(grep -E 'tests passed' build-asan/ctest.log | tail -1)

if [ -f tests/fuzz/CMakeLists.txt ]; then
  echo "== Fuzzing del lector de proyectos (60 s) =="
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_CORE_ONLY=ON -DKORVEX_FUZZ=ON \
        -DKORVEX_BENCHMARKS=OFF -DCMAKE_CXX_COMPILER=clang++-14
  cmake --build build-fuzz -j"$JOBS" --target korvex_fuzz_kvx
  rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus
  cp ejemplos/*.kvx build-fuzz/corpus/
  build-fuzz/tests/fuzz/korvex_fuzz_kvx -max_total_time=60 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix=build-fuzz/ build-fuzz/corpus
fi

echo "Compilación completa: $resumen_completo"
echo "Núcleo con sanitizadores: $resumen_asan"
