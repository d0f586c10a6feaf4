// The sweep along the beam against the evaluation of every load at every station.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "design/Reglas.h"
#include "VigasAnalisis.h"
#include "analysis/Barrido.h"
#include "analysis/Calculos_Diagramas.h"

// The rules of every calculation of these tests.
namespace {
const korvex::ReglasDiseno& kReglas = korvex::ReglasPorClave(korvex::kReglasClasicas);
}  // namespace

namespace korvex::pruebas {
namespace {

using Cinco = std::array<double, 5>;  // V, M, Ms, Giro, Flecha of a station

Cinco Referencia(const AnalizadorViga& viga, float x) {
    const ValoresPunto p = viga.EvaluarDoble(x);
    return {p.CortanteIzq, p.MomentoIzq, p.MomentoServicio, p.Giro, p.Flecha};
}

// The eight extremes, each as a largest value of the station values in
// Single: |V|, V, -V, -M, M, |M|, |Giro|, |Flecha| (analysis sign).
float Cantidad(int k, const Cinco& v) {
    const float V = static_cast<float>(v[0]), M = static_cast<float>(v[1]);
    const float G = static_cast<float>(v[3]), F = static_cast<float>(v[4]);
    const float q[8] = {std::fabs(V), -V, V, -M, M, std::fabs(M), std::fabs(G), std::fabs(F)};
    return q[k];
}

// Every station of the sweep equals the per-station evaluation within 1e-9 of
// the largest absolute value of that diagram. With `extremos`, the extremes of
// the sampled diagrams agree as well (plus the rounding to Single), and their
// abscissas except at a tie, where the reference reaches the same extreme.
void Comparar(const VigaPrueba& v, bool extremos) {
    const AnalizadorViga viga(v.datos, v.seccion, kReglas);
    const std::vector<float> X = AbscisasEstaciones(v.datos.longitud, 40000);
    const Estaciones s = Barrer(viga, X);
    std::vector<Cinco> ref(X.size());
    double escala[5] = {0, 0, 0, 0, 0};
    float maximo[8] = {0, 0, 0, 0, 0, 0, 0, 0}, xMaximo[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < X.size(); ++i) {
        ref[i] = Referencia(viga, X[i]);
        for (int q = 0; q < 5; ++q) escala[q] = std::max(escala[q], std::fabs(ref[i][q]));
        for (int k = 0; k < 8; ++k) {
            if (Cantidad(k, ref[i]) > maximo[k]) maximo[k] = Cantidad(k, ref[i]), xMaximo[k] = X[i];
        }
    }
    const char* nombres[5] = {"V", "M", "Ms", "Giro", "Flecha"};
    for (std::size_t i = 0; i < X.size(); ++i) {
        const Cinco b{s.CortanteIzq[i], s.MomentoIzq[i], s.MomentoServicio[i], s.Giro[i],
                      s.Flecha[i]};
        for (int q = 0; q < 5; ++q) {
            if (std::fabs(b[q] - ref[i][q]) > 1e-9 * escala[q]) {
                ADD_FAILURE() << nombres[q] << " en x = " << X[i] << ": barrido " << b[q]
                              << ", punto a punto " << ref[i][q] << " (máx " << escala[q] << ")";
                return;
            }
        }
    }
    if (!extremos) return;
    const ResultadoAnalisis e = v.Analizar(kReglas);
    const PosicionExtremos& p = e.Posiciones;
    const float valor[8] = {e.CortanteMaxAbs, e.CortanteMax,   -e.CortanteMin, e.MomentoPosMax,
                            -e.MomentoNegMax, e.MomentoMaxAbs, e.GiroMax,      e.FlechaMax};
    const float x[8] = {p.CortanteMaxAbs, p.CortanteMax,   p.CortanteMin, p.MomentoPosMax,
                        p.MomentoNegMax,  p.MomentoMaxAbs, p.GiroMax,     p.FlechaMax};
    const int diagrama[8] = {0, 0, 0, 5, 5, 5, 6, 7};  // the extreme giving the diagram's scale
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE("extremo " + std::to_string(k));
        const double tol = 1e-9 * maximo[diagrama[k]] + 1.2e-7 * std::fabs(maximo[k]);
        EXPECT_NEAR(valor[k], maximo[k], tol);
        if (x[k] != xMaximo[k]) {
            EXPECT_NEAR(Cantidad(k, Referencia(viga, x[k])), maximo[k], tol)
                << "abscisas " << x[k] << " y " << xMaximo[k];
        }
    }
}

// 0.3 to 300 m (logarithmically), half with cantilevers, self weight on two of
// three; loads of every kind up to `presupuesto` stations x loads.
VigaPrueba VigaAleatoria(Azar& g, double presupuesto) {
    const float L = std::round(std::exp(g.U(std::log(0.3f), std::log(300.0f))) * 100) / 100;
    VigaPrueba v = Viga(L, 0, L);
    if (g.N(0, 1)) {
        const float J = g.Cm(0, L / 3), K = g.Cm(L / 2, L);
        v.datos.apoyos = {J, K <= J ? L : K};
    }
    v.seccion.area = g.N(0, 2) ? g.U(300, 5000) : 0;
    v.seccion.inercia = g.U(0.001f, 0.05f);
    v.seccion.modulo = g.U(1.5e6f, 3e6f);
    const int maxCargas = static_cast<int>(std::min(300.0, presupuesto / (L * 100 + 1)));
    std::vector<CargaViga>& cargas = v.datos.cargas;
    for (int i = g.N(0, std::max(1, maxCargas)); i > 0; --i) {
        const auto cat = static_cast<CategoriaCarga>(g.N(1, 3));
        const float a = g.U(0, L);
        const int tipo = g.N(0, 2);
        if (tipo == 0) cargas.push_back(Puntual(a, g.U(-10, 20), cat));
        if (tipo == 1) cargas.push_back(Momento(a, g.U(-15, 15), cat));
        if (tipo == 2) {
            const float b = std::max(0.01f, g.U(0, L - a));
            const float P1 = g.N(0, 3) ? g.U(0, 6) : 0, P2 = g.N(0, 3) ? g.U(0, 6) : P1;
            cargas.push_back(Distribuida(a, b, P1, P2, cat));
        }
    }
    return v;
}

TEST(Barrido, IgualALaEvaluacionPorEstacionEnVigasGeneradas) {
    Azar g{std::mt19937{20261208}};
    for (int n = 0; n < 250; ++n) {
        const VigaPrueba e = VigaAleatoria(g, n % 25 == 0 ? 3e6 : 6e4);
        SCOPED_TRACE("viga " + std::to_string(n) + ": L = " + std::to_string(e.datos.longitud) +
                     ", " + std::to_string(e.datos.cargas.size()) + " cargas");
        Comparar(e, n % 5 == 0);
    }
}

// Jumps at a breakpoint are where a sweep goes wrong: a point load, a moment,
// the start and end of distributed loads and both supports placed exactly on
// stations, loads ending where others start and on the supports.
TEST(Barrido, CargasQueEmpiezanOTerminanJustoEnUnaEstacionOUnApoyo) {
    const std::vector<float> X = AbscisasEstaciones(12, 2000);
    // The supports on stations.
    VigaPrueba e = Viga(12, X[150], X[1000], {}, 1250, 2.2e6f, 0.0026f);
    std::vector<CargaViga>& cargas = e.datos.cargas;
    auto distribuida = [&](std::size_t i, std::size_t j, float P1, float P2, CategoriaCarga cat) {
        CargaViga c = Distribuida(X[i], X[j] - X[i], P1, P2, cat);
        c.fin = X[j];  // the end exactly on station j
        cargas.push_back(c);
    };
    cargas.push_back(Puntual(X[137], 7, Viva));
    cargas.push_back(Momento(X[250], -9, Muerta));
    cargas.push_back(Puntual(X[150], 4, Muerta));  // on support J
    cargas.push_back(Momento(X[1000], 3, Otros));  // on support K
    distribuida(0, 150, 2, 5, Viva);               // ends on J
    distribuida(150, 420, 5, 1, Muerta);           // starts on J
    distribuida(420, 700, 3, 3, Otros);            // starts where one ends
    cargas.push_back(Puntual(X[700], -6, Viva));   // on that end
    distribuida(1000, 1150, 1, 4, Muerta);         // starts on K
    cargas.push_back(Puntual(e.datos.longitud, 2, Muerta));
    Comparar(e, true);
}

}  // namespace
}  // namespace korvex::pruebas
