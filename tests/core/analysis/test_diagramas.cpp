#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Viga.h"
#include "analysis/Calculos_Diagramas.h"

namespace korvex {
namespace {

using prueba::Agregar;
using prueba::Puntual;
using prueba::Viga;

// n = L x 100 + 1 rounded half to even in Single; abscissas accumulated in Single.
TEST(CalculosDiagramas, NumeroDeEstacionesEnPrecisionSimple) {
    const struct {
        float L;
        size_t asignadas;  // n + 1 elements, index 0 unused
        int estaciones;
    } casos[] = {{6, 602, 600}, {1, 102, 101}, {10, 1002, 1000}, {5.67f, 569, 567}, {0.01f, 3, 2}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.L);
        EstadoProyecto e = Viga(c.L, 0, c.L);
        Agregar(e, Puntual(c.L / 2, 1));
        Calculos_Diagramas(e);
        EXPECT_EQ(e.DiagMomento.size(), c.asignadas);
        EXPECT_EQ(e.NumEstaciones, c.estaciones);
        EXPECT_GT(e.XAnalisis, c.L);  // the first abscissa beyond the beam
        EXPECT_LE(e.DiagX[e.NumEstaciones], c.L);
    }
}

TEST(CalculosDiagramas, ProgresoEnLosCuartos) {
    for (const auto& [L, esperado] : {std::pair{6.0f, std::vector<int>{30, 40, 50}},
                                      std::pair{0.01f, std::vector<int>{30}}}) {
        EstadoProyecto e = Viga(L, 0, L);
        std::vector<int> valores;
        Calculos_Diagramas(e, [&](int v) { valores.push_back(v); });
        EXPECT_EQ(valores, esperado) << L;
    }
}

TEST(CalculosDiagramas, ExtremosSignosYPosiciones) {
    EstadoProyecto e = Viga(6, 0, 6, 1250);
    Agregar(e, Puntual(2, 10, kMuerta));
    Calculos_Diagramas(e);
    EXPECT_EQ(e.MomentoNegMax, 0.0f);
    EXPECT_FALSE(std::signbit(e.MomentoNegMax));  // the final sign change gives no "-0"
    EXPECT_NEAR(e.MomentoPosMax, 18.6667 + 1.4 * 0.3 * 2 * 4 / 2, 2e-3);
    EXPECT_NEAR(e.Posiciones.MomentoPosMax, 2.0, 0.011);
    EXPECT_EQ(e.CortanteMaxAbs, std::max(e.CortanteMax, -e.CortanteMin));
    EXPECT_EQ(e.DiagCortante[1], 0.0f);  // x = 0 is taken left of the support
    EXPECT_GT(e.DiagCortante[2], 0.0f);
    EXPECT_LT(e.DiagMomento[301], 0);  // analysis sign
    EXPECT_GT(e.DiagMomentoServicio[301], 0);  // displayed sign

    EstadoProyecto v = Viga(6, 1, 5);
    Agregar(v, Puntual(6, 10));
    Calculos_Diagramas(v);
    EXPECT_NEAR(v.MomentoNegMax, -10, 1e-3);
    EXPECT_NEAR(v.Posiciones.MomentoNegMax, 5, 0.011);
    EXPECT_EQ(v.MomentoPosMax, 0.0f);
}

TEST(CalculosDiagramas, ComparacionesEstrictasYSinBorrarLosExtremos) {
    // Four-point bending: a constant moment between x = 2 and 4; the first station wins.
    EstadoProyecto e = Viga(6, 0, 6);
    Agregar(e, Puntual(2, 5));
    Agregar(e, Puntual(4, 5));
    Calculos_Diagramas(e);
    EXPECT_NEAR(e.MomentoPosMax, 10, 1e-3);
    EXPECT_LT(e.Posiciones.MomentoPosMax, 2.1);
    // Clearing the extremes is the caller's step: a larger old value stays.
    e.MomentoMaxAbs = 100;
    Calculos_Diagramas(e);
    EXPECT_EQ(e.MomentoMaxAbs, 100.0f);
}

}  // namespace
}  // namespace korvex
