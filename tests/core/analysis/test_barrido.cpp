// The sweep along the beam against the evaluation of every load at every
// station: generated beams up to 300 m and a few hundred loads, and loads
// whose ends fall exactly on a station, a support or another load's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "analysis/Barrido.h"
#include "analysis/Calculos_Diagramas.h"

namespace korvex {
namespace {

Carga NuevaCarga(float tipo, float a, float b, float P1, float P2, float cat) {
    return {a, b, 0, P1, P2, a + b, tipo, cat};
}

// The five quantities of a station, from the sweep and from the reference.
struct Cinco {
    double v[5];
};
Cinco DeEstaciones(const Estaciones& s, std::size_t i) {
    return {{s.CortanteIzq[i], s.MomentoIzq[i], s.MomentoServicio[i], s.Giro[i], s.Flecha[i]}};
}
Cinco DeReferencia(const AnalizadorViga& viga, float x) {
    const ValoresPunto p = viga.EvaluarDoble(x);
    return {{p.CortanteIzq, p.MomentoIzq, p.MomentoServicio, p.Giro, p.Flecha}};
}

// Every station of the sweep equals the per-station evaluation within 1e-9
// of the largest absolute value of that diagram.
void CompararTodasLasEstaciones(const EstadoProyecto& e) {
    const AnalizadorViga viga(e);
    const std::vector<float> X = AbscisasEstaciones(e.LuzViga, 40000);
    const Estaciones s = Barrer(viga, X);
    std::vector<Cinco> ref(X.size());
    double escala[5] = {0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < X.size(); ++i) {
        ref[i] = DeReferencia(viga, X[i]);
        for (int q = 0; q < 5; ++q) escala[q] = std::max(escala[q], std::fabs(ref[i].v[q]));
    }
    const char* nombres[5] = {"V", "M", "Ms", "Giro", "Flecha"};
    for (std::size_t i = 0; i < X.size(); ++i) {
        const Cinco b = DeEstaciones(s, i);
        for (int q = 0; q < 5; ++q) {
            if (std::fabs(b.v[q] - ref[i].v[q]) > 1e-9 * escala[q]) {
                ADD_FAILURE() << nombres[q] << " en x = " << X[i] << ": barrido " << b.v[q]
                              << ", punto a punto " << ref[i].v[q] << " (máx " << escala[q] << ")";
                return;
            }
        }
    }
}

// The eight extremes as the per-station evaluation gives them, each as a
// largest value: |V|, V, -V, -M, M, |M|, |Giro|, |Flecha| (analysis sign).
float Cantidad(int k, const ResultadoPunto& p) {
    switch (k) {
        case 0:
            return std::fabs(p.CortanteIzq);
        case 1:
            return -p.CortanteIzq;
        case 2:
            return p.CortanteIzq;
        case 3:
            return -p.MomentoIzq;
        case 4:
            return p.MomentoIzq;
        case 5:
            return std::fabs(p.MomentoIzq);
        case 6:
            return std::fabs(p.Giro);
        default:
            return std::fabs(p.Flecha);
    }
}

struct Extremos {
    float valor[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    float x[8] = {0, 0, 0, 0, 0, 0, 0, 0};
};
Extremos ExtremosPuntoAPunto(const AnalizadorViga& viga, float L) {
    Extremos r;
    for (float x : AbscisasEstaciones(L, 40000)) {
        const ResultadoPunto p = viga.Evaluar(x);
        for (int k = 0; k < 8; ++k) {
            if (Cantidad(k, p) > r.valor[k]) r.valor[k] = Cantidad(k, p), r.x[k] = x;
        }
    }
    return r;
}

// The extremes of the sampling agree within 1e-9 of the diagram's largest
// value (plus the rounding to Single); their abscissas coincide except at a
// tie, where the reference reaches the same extreme at the other abscissa.
void CompararExtremos(EstadoProyecto e) {
    const AnalizadorViga viga(e);
    const Extremos ref = ExtremosPuntoAPunto(viga, e.LuzViga);
    Calculos_Diagramas(e);
    const PosicionExtremos& p = e.Posiciones;
    const float valor[8] = {e.CortanteMaxAbs, e.CortanteMax,   -e.CortanteMin, e.MomentoPosMax,
                            -e.MomentoNegMax, e.MomentoMaxAbs, e.GiroMax,      e.FlechaMax};
    const float x[8] = {p.CortanteMaxAbs, p.CortanteMax,   p.CortanteMin, p.MomentoPosMax,
                        p.MomentoNegMax,  p.MomentoMaxAbs, p.GiroMax,     p.FlechaMax};
    const float escala[8] = {ref.valor[0], ref.valor[0], ref.valor[0], ref.valor[5],
                             ref.valor[5], ref.valor[5], ref.valor[6], ref.valor[7]};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE("extremo " + std::to_string(k));
        const double tol = 1e-9 * escala[k] + 1.2e-7 * std::fabs(ref.valor[k]);
        EXPECT_NEAR(valor[k], ref.valor[k], tol);
        if (x[k] != ref.x[k]) {
            EXPECT_NEAR(Cantidad(k, viga.Evaluar(x[k])), ref.valor[k], tol)
                << "abscisas " << x[k] << " y " << ref.x[k];
        }
    }
}

struct Generador {
    std::mt19937 rng{20261208};
    float U(float a, float b) { return std::uniform_real_distribution<float>(a, b)(rng); }
    int N(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }

    // Lengths spread from 0.3 to 300 m (logarithmically), half with
    // cantilevers; loads of every type and category, negative point loads and
    // moments; self weight on two beams of three. Stations x loads stay below
    // `presupuesto` so that the reference evaluation stays quick.
    EstadoProyecto Viga(double presupuesto) {
        EstadoProyecto e;
        const float L = std::round(std::exp(U(std::log(0.3f), std::log(300.0f))) * 100) / 100;
        e.LuzViga = L;
        e.DistJ = 0;
        e.DistK = L;
        if (N(0, 1)) {
            e.DistJ = std::round(U(0, L / 3) * 100) / 100;
            e.DistK = std::round(U(L / 2, L) * 100) / 100;
            if (e.DistK <= e.DistJ) e.DistK = L;
        }
        e.AreaSeccion = N(0, 2) ? U(300, 5000) : 0;
        e.InerciaSeccion = U(0.001f, 0.05f);
        e.ModuloElasticidad = U(1.5e6f, 3e6f);
        const int maxCargas = static_cast<int>(std::min(300.0, presupuesto / (L * 100 + 1)));
        for (int i = N(0, std::max(1, maxCargas)); i > 0; --i) {
            const float cat = static_cast<float>(N(1, 3));
            const float a = U(0, L);
            switch (N(0, 2)) {
                case 0:
                    AgregarCarga(e, NuevaCarga(kPuntual, a, 0, U(-10, 20), 0, cat));
                    break;
                case 1:
                    AgregarCarga(e, NuevaCarga(kMomento, a, 0, U(-15, 15), 0, cat));
                    break;
                default: {
                    const float b = std::max(0.01f, U(0, L - a));
                    const float P1 = N(0, 3) ? U(0, 6) : 0, P2 = N(0, 3) ? U(0, 6) : P1;
                    AgregarCarga(e, NuevaCarga(kDistribuida, a, b, P1, P2, cat));
                }
            }
        }
        return e;
    }
};

TEST(Barrido, IgualALaEvaluacionPorEstacionEnVigasGeneradas) {
    Generador g;
    for (int n = 0; n < 250; ++n) {
        const EstadoProyecto e = g.Viga(n % 25 == 0 ? 3e6 : 6e4);
        SCOPED_TRACE("viga " + std::to_string(n) + ": L = " + std::to_string(e.LuzViga) + ", " +
                     std::to_string(e.NumCargas) + " cargas");
        CompararTodasLasEstaciones(e);
        if (n % 5 == 0) CompararExtremos(e);
    }
}

// Jumps at a breakpoint are where a sweep goes wrong: a point load, a moment,
// the start and end of distributed loads and both supports placed exactly on
// stations, loads ending where others start and on the supports.
TEST(Barrido, CargasQueEmpiezanOTerminanJustoEnUnaEstacionOUnApoyo) {
    EstadoProyecto e;
    e.LuzViga = 12;
    const std::vector<float> X = AbscisasEstaciones(e.LuzViga, 2000);
    e.DistJ = X[150];  // supports on stations
    e.DistK = X[1000];
    e.AreaSeccion = 1250;
    e.InerciaSeccion = 0.0026f;
    e.ModuloElasticidad = 2.2e6f;
    auto distribuida = [&](std::size_t i, std::size_t j, float P1, float P2, float cat) {
        Carga c = NuevaCarga(kDistribuida, X[i], X[j] - X[i], P1, P2, cat);
        c.Fin = X[j];  // the end exactly on station j
        AgregarCarga(e, c);
    };
    AgregarCarga(e, NuevaCarga(kPuntual, X[137], 0, 7, 0, kViva));
    AgregarCarga(e, NuevaCarga(kMomento, X[250], 0, -9, 0, kMuerta));
    AgregarCarga(e, NuevaCarga(kPuntual, X[150], 0, 4, 0, kMuerta));  // on support J
    AgregarCarga(e, NuevaCarga(kMomento, X[1000], 0, 3, 0, kOtros));  // on support K
    distribuida(0, 150, 2, 5, kViva);                                 // ends on J
    distribuida(150, 420, 5, 1, kMuerta);                             // starts on J
    distribuida(420, 700, 3, 3, kOtros);                              // starts where one ends
    AgregarCarga(e, NuevaCarga(kPuntual, X[700], 0, -6, 0, kViva));   // on that end
    distribuida(1000, 1150, 1, 4, kMuerta);                           // starts on K
    AgregarCarga(e, NuevaCarga(kPuntual, e.LuzViga, 0, 2, 0, kMuerta));
    CompararTodasLasEstaciones(e);
    CompararExtremos(e);

    // At a station on a point load the left value leaves the load out: the
    // shear there equals the shear one station before plus the distributed
    // load in between, not the jump of 1.7 x 7 Tn.
    Calculos_Diagramas(e);
    const AnalizadorViga viga(e);
    const ResultadoPunto en = viga.Evaluar(X[137]);
    EXPECT_FLOAT_EQ(e.DiagCortante[138], -en.CortanteIzq);
    EXPECT_NEAR(en.CortanteDer - en.CortanteIzq, 1.7f * 7, 1e-4);
    // On support J: the reaction is not yet in the left value.
    const ResultadoPunto j = viga.Evaluar(X[150]);
    EXPECT_FLOAT_EQ(e.DiagCortante[151], -j.CortanteIzq);
    EXPECT_GT(std::fabs(j.CortanteDer - j.CortanteIzq), 10);
    // The point values left by the sampling are those of the last station.
    EXPECT_EQ(e.CortanteDer, viga.Evaluar(e.DiagX[e.NumEstaciones]).CortanteDer);
}

}  // namespace
}  // namespace korvex
