// Cost of sampling the diagrams, two ways side by side: the evaluation of
// every load at every station (stations x loads) and the sweep along the beam
// that AnalizarViga uses (stations + loads).
#include <benchmark/benchmark.h>

#include <random>

#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"
#include "analysis/Calculos_Diagramas.h"
#include "design/Reglas.h"

namespace {

const korvex::PropiedadesSeccion kSeccion{1250, 0.0026042f, 25, 2.188e6f};

korvex::DatosViga VigaConCargas(float L, int cargas) {
    korvex::DatosViga d;
    d.longitud = L;
    d.apoyos = {0, L};
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> pos(0, L);
    for (int i = 0; i < cargas; ++i) {
        korvex::CargaViga c;
        c.a = pos(rng);
        c.categoria = static_cast<korvex::CategoriaCarga>(1 + i % 3);
        c.p1 = 1 + static_cast<float>(i % 5);
        switch (i % 3) {
            case 0:
                c.tipo = korvex::TipoCarga::Puntual;
                break;
            case 1:
                c.tipo = korvex::TipoCarga::Momento;
                break;
            default:
                c.tipo = korvex::TipoCarga::Distribuida;
                c.b = (L - c.a) / 2;
                c.p2 = c.p1 + 1;
        }
        c.fin = c.a + c.b;
        d.cargas.push_back(c);
    }
    return d;
}

void Contadores(benchmark::State& state, float L, int cargas) {
    state.counters["estaciones"] = static_cast<double>(L * 100 + 1);
    state.counters["cargas"] = cargas;
}

// The sampling as the calculation runs it: one sweep, extremes, arrays.
void BM_Barrido(benchmark::State& state) {
    const float L = static_cast<float>(state.range(0));
    const int cargas = static_cast<int>(state.range(1));
    const korvex::DatosViga base = VigaConCargas(L, cargas);
    for (auto _ : state) {
        const korvex::ResultadoAnalisis r =
            korvex::AnalizarViga(base, kSeccion, korvex::ReglasPorClave(korvex::kReglasClasicas));
        benchmark::DoNotOptimize(r.MomentoMaxAbs);
    }
    Contadores(state, L, cargas);
}

// Every load at every station, in three load cases.
void BM_PorEstacion(benchmark::State& state) {
    const float L = static_cast<float>(state.range(0));
    const int cargas = static_cast<int>(state.range(1));
    const korvex::DatosViga base = VigaConCargas(L, cargas);
    for (auto _ : state) {
        const korvex::AnalizadorViga viga(base, kSeccion,
                                          korvex::ReglasPorClave(korvex::kReglasClasicas));
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
