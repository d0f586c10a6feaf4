// Cost of the whole headless workflow on each example project, as one
// `korvex --calcular ARCHIVO.kvx --json` does it past the start of the
// process: the file read, the section recomputed, the calculation and the
// JSON written.
#include <benchmark/benchmark.h>

#include <string>

#include "batch/Lote.h"

namespace {

void BM_Flujo(benchmark::State& state, const char* nombre) {
    korvex::lote::OpcionesCalcular o;
    o.archivo = std::string(KORVEX_EJEMPLOS) + "/" + nombre;
    o.json = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const korvex::lote::Salida s = korvex::lote::Calcular(o);
        if (s.estado != korvex::lote::kSalidaLeido) state.SkipWithError(s.error.c_str());
        bytes = s.salida.size();
        benchmark::DoNotOptimize(s.salida.data());
    }
    state.counters["bytes_json"] = static_cast<double>(bytes);
}

BENCHMARK_CAPTURE(BM_Flujo, viga_rectangular, "viga_rectangular.kvx")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Flujo, viga_t_vuelos, "viga_t_vuelos.kvx")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Flujo, viga_t_invertida, "viga_t_invertida.kvx")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
