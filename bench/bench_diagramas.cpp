// Cost of sampling the diagrams: one analysis per centimetre, each a pass over
// every load in three load cases, so the time grows as stations x loads.
#include <benchmark/benchmark.h>

#include <random>

#include "analysis/Calculos_Diagramas.h"

namespace {

korvex::EstadoProyecto VigaConCargas(float L, int cargas) {
    korvex::EstadoProyecto e;
    e.LuzViga = L;
    e.DistJ = 0;
    e.DistK = L;
    e.AreaSeccion = 1250;
    e.InerciaSeccion = 0.0026042f;
    e.ModuloElasticidad = 2.188e6f;
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> pos(0, L);
    for (int i = 0; i < cargas; ++i) {
        korvex::Carga c;
        c.A = pos(rng);
        c.Categoria = static_cast<float>(1 + i % 3);
        c.P1 = 1 + static_cast<float>(i % 5);
        switch (i % 3) {
            case 0:
                c.Tipo = korvex::kPuntual;
                break;
            case 1:
                c.Tipo = korvex::kMomento;
                break;
            default:
                c.Tipo = korvex::kDistribuida;
                c.B = (L - c.A) / 2;
                c.P2 = c.P1 + 1;
        }
        c.Fin = c.A + c.B;
        korvex::AgregarCarga(e, c);
    }
    return e;
}

void BM_CalculosDiagramas(benchmark::State& state) {
    const float L = static_cast<float>(state.range(0));
    const int cargas = static_cast<int>(state.range(1));
    const korvex::EstadoProyecto base = VigaConCargas(L, cargas);
    for (auto _ : state) {
        korvex::EstadoProyecto e = base;
        korvex::Calculos_Diagramas(e);
        benchmark::DoNotOptimize(e.MomentoMaxAbs);
    }
    // Work unit: one load evaluated at one station.
    state.counters["estaciones_x_cargas"] = benchmark::Counter(
        static_cast<double>(L * 100 + 1) * cargas, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_CalculosDiagramas)
    ->Args({10, 10})
    ->Args({100, 100})
    ->Args({300, 1000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
