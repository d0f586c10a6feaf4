#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the full build (core, windows, headless command) and its tests, the
#     window tests left out (they run in step 2);
#  2. the whole program and all its tests, windows and the random-action
#     test included, under AddressSanitizer + UndefinedBehaviorSanitizer;
#  3. the libFuzzer targets (field reading and number formats, polygon vertex
#     file and properties, project reader), 60 seconds shared among them.
# Prints the time of each step.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencias.sh
korvex_instalar_dependencias

JOBS=2
export QT_QPA_PLATFORM=offscreen

inicio=$SECONDS
paso=$SECONDS
tiempos=""
medir() {  # the time of the step that just ended
  tiempos+="$1: $((SECONDS - paso)) s; "
  paso=$SECONDS
}

echo "== Compilación completa (sin las pruebas de ventanas) =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_WERROR=ON -DKORVEX_UI_TESTS=OFF
cmake --build build -j"$JOBS"
(cd build && ctest --output-on-failure -j"$JOBS" --timeout 300) | tee build/ctest.log
resumen_completo=$(grep -E 'tests passed' build/ctest.log | tail -1)
medir "compilación completa y pruebas"

echo "== Todo con AddressSanitizer y UndefinedBehaviorSanitizer (ventanas incluidas) =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVEX_CORE_ONLY=OFF -DKORVEX_SANITIZE=ON \
      -DKORVEX_UI_TESTS=ON -DKORVEX_BENCHMARKS=OFF -DKORVEX_WERROR=ON
cmake --build build-asan -j"$JOBS"
medir "compilación con sanitizadores"
# A leak fails the test as any other report (no suppression is needed: the
# windows leave nothing behind); an abort is reported as a crash.
export ASAN_OPTIONS="handle_abort=1"
export UBSAN_OPTIONS="print_stacktrace=1"
(cd build-asan && ctest --output-on-failure -j"$JOBS" --timeout 900) | tee build-asan/ctest.log
resumen_asan=$(grep -E 'tests passed' build-asan/ctest.log | tail -1)
grep -E '^Mono: ' build-asan/Testing/Temporary/LastTest.log || true
medir "pruebas con sanitizadores"

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
  medir "fuzzing"
fi

echo "Compilación completa: $resumen_completo"
echo "Todo con sanitizadores: $resumen_asan"
echo "Tiempos: ${tiempos}total $((SECONDS - inicio)) s"
