#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the full build (core, windows, headless command) and all its tests;
#  2. the core tests again under AddressSanitizer + UndefinedBehaviorSanitizer;
#  3. the libFuzzer targets (field reading and number formats, polygon vertex
#     file and properties, project reader), 60 seconds shared among them.
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
  echo "== Fuzzing: lectura y formatos, polígono, lector de proyectos (60 s en total) =="
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_CORE_ONLY=ON -DKORVEX_FUZZ=ON \
        -DKORVEX_BENCHMARKS=OFF -DCMAKE_CXX_COMPILER=clang++-14
  cmake --build build-fuzz -j"$JOBS" --target korvex_fuzz_texto korvex_fuzz_poligono korvex_fuzz_kvx
  resumen_fuzz=""
  for objetivo in texto poligono kvx; do
    # Seeds: the saved findings of the target (and the example projects).
    corpus=build-fuzz/corpus/$objetivo
    registro=build-fuzz/fuzz_$objetivo.log
    rm -rf "$corpus" && mkdir -p "$corpus"
    if [ -d tests/fuzz/$objetivo ]; then cp tests/fuzz/$objetivo/* "$corpus"/; fi
    if [ "$objetivo" = kvx ]; then cp ejemplos/*.kvx "$corpus"/; fi
    if ! build-fuzz/tests/fuzz/korvex_fuzz_$objetivo -max_total_time=20 -timeout=10 \
         -rss_limit_mb=2048 -artifact_prefix=build-fuzz/$objetivo- "$corpus" >"$registro" 2>&1; then
      tail -n 60 "$registro"
      echo "Fuzzing de $objetivo: fallo; la entrada quedó en build-fuzz/$objetivo-*" >&2
      exit 1
    fi
    ejecuciones=$(grep -Eo 'Done [0-9]+ runs' "$registro" | grep -Eo '[0-9]+')
    echo "Fuzzing de $objetivo: $ejecuciones ejecuciones en 20 s, sin hallazgos"
    resumen_fuzz+="$objetivo $ejecuciones, "
  done
  echo "Fuzzing (ejecuciones en 20 s por objetivo): ${resumen_fuzz%, }"
fi

echo "Compilación completa: $resumen_completo"
echo "Núcleo con sanitizadores: $resumen_asan"
