// Cost of a whole calculation (checks, diagrams, live-load arrangements,
// design) with the arrangements option off and on, on a beam with two
// cantilevers and live loads in every zone.
#include <benchmark/benchmark.h>

#include <random>

#include "project/Calculo.h"

namespace {

korvex::Proyecto ViconVuelos(float L, int cargas) {
    korvex::Proyecto p;
    p.seccion.TipoViga = korvex::kVigaRect;
    p.seccion.txtB = "30";
    p.seccion.txtH = "80";
    korvex::Calculos_Geom(p.seccion, p.estado);
    korvex::EstadoProyecto& e = p.estado;
    e.LuzViga = L;
    e.DistJ = L / 5;
    e.DistK = L * 4 / 5;
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> pos(0, L);
    for (int i = 0; i < cargas; ++i) {
        korvex::Carga c;
        c.A = pos(rng);
        c.Categoria = static_cast<float>(1 + i % 2);  // live and dead
        c.P1 = 0.5f / (1 + cargas / 100.0f);
        c.Tipo = i % 3 == 2 ? korvex::kDistribuida : korvex::kPuntual;
        if (c.Tipo == korvex::kDistribuida) {
            c.B = (L - c.A) / 2;
            c.P2 = c.P1;
        }
        c.Fin = c.A + c.B;
        korvex::AgregarCarga(e, c);
    }
    return p;
}

void BM_Calculo(benchmark::State& state) {
    const float L = static_cast<float>(state.range(0));
    const int cargas = static_cast<int>(state.range(1));
    korvex::Proyecto base = ViconVuelos(L, cargas);
    base.estado.AlternanciaViva = state.range(2) != 0;
    for (auto _ : state) {
        korvex::Proyecto p = base;
        korvex::InterfazRegistro ui;
        const korvex::ResultadoCalculo r = korvex::RealizarCalculos(p, ui);
        benchmark::DoNotOptimize(r.AsTraccionPos);
    }
    state.counters["alternancia"] = static_cast<double>(state.range(2));
}

BENCHMARK(BM_Calculo)
    ->Args({10, 10, 0})
    ->Args({10, 10, 1})
    ->Args({300, 1000, 0})
    ->Args({300, 1000, 1})
    ->Args({10, 32767, 0})
    ->Args({10, 32767, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
