// Cost of sampling the diagrams, two ways side by side: the evaluation of
// every load at every station (stations x loads) and the sweep along the beam
// that Calculos_Diagramas uses (stations + loads).
#include <benchmark/benchmark.h>

#include <random>

#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"
#include "analysis/Calculos_Diagramas.h"
#include "design/Reglas.h"

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

void Contadores(benchmark::State& state, float L, int cargas) {
    state.counters["estaciones"] = static_cast<double>(L * 100 + 1);
    state.counters["cargas"] = cargas;
}

// The sampling as the calculation runs it: one sweep, extremes, arrays.
void BM_Barrido(benchmark::State& state) {
    const float L = static_cast<float>(state.range(0));
    const int cargas = static_cast<int>(state.range(1));
    const korvex::EstadoProyecto base = VigaConCargas(L, cargas);
    for (auto _ : state) {
        korvex::EstadoProyecto e = base;
        korvex::Calculos_Diagramas(e, korvex::ReglasPorClave(korvex::kReglasClasicas));
        benchmark::DoNotOptimize(e.MomentoMaxAbs);
    }
    Contadores(state, L, cargas);
}

// Every load at every station, in three load cases.
void BM_PorEstacion(benchmark::State& state) {
    const float L = static_cast<float>(state.range(0));
    const int cargas = static_cast<int>(state.range(1));
    const korvex::EstadoProyecto base = VigaConCargas(L, cargas);
    for (auto _ : state) {
        const korvex::AnalizadorViga viga(base, korvex::ReglasPorClave(korvex::kReglasClasicas));
        float maximo = 0;
        for (float x : korvex::AbscisasEstaciones(L, 40000)) {
            const korvex::ResultadoPunto r = viga.Evaluar(x);
            if (r.MomentoIzq > maximo) maximo = r.MomentoIzq;
        }
        benchmark::DoNotOptimize(maximo);
    }
    Contadores(state, L, cargas);
}

#define KORVEX_CASOS(b)     \
    b->Args({10, 10})       \
        ->Args({100, 100})  \
        ->Args({300, 1000}) \
        ->Args({10, 32767}) \
        ->Unit(benchmark::kMillisecond)

KORVEX_CASOS(BENCHMARK(BM_Barrido));
KORVEX_CASOS(BENCHMARK(BM_PorEstacion));

}  // namespace

BENCHMARK_MAIN();
