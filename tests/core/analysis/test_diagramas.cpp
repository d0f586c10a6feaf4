#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Viga.h"
#include "analysis/Calculos_Diagramas.h"

namespace korvex {
namespace {

using prueba::Agregar;
using prueba::Distribuida;
using prueba::Puntual;
using prueba::Viga;

TEST(CalculosDiagramas, NumeroDeEstacionesEnPrecisionSimple) {
    struct {
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
        EXPECT_EQ(e.DiagCortante.size(), c.asignadas);
        EXPECT_EQ(e.NumEstaciones, c.estaciones);
        EXPECT_GT(e.XAnalisis, c.L);  // the first abscissa beyond the beam
        EXPECT_LE(e.DiagX[e.NumEstaciones], c.L);
    }
    EstadoProyecto seis = Viga(6, 0, 6);
    Calculos_Diagramas(seis);
    EXPECT_NEAR(seis.XAnalisis, 6.00004, 1e-5);
}

TEST(CalculosDiagramas, ProgresoEnLosCuartos) {
    EstadoProyecto e = Viga(6, 0, 6);
    std::vector<int> valores;
    Calculos_Diagramas(e, [&](int v) { valores.push_back(v); });
    EXPECT_EQ(valores, (std::vector<int>{30, 40, 50}));
    // A one-centimetre beam (S = 2) has two stations: the second one has one
    // station done, past a quarter (0.5) but not past a half (1).
    EstadoProyecto corta = Viga(0.01f, 0, 0.01f);
    std::vector<int> pocos;
    Calculos_Diagramas(corta, [&](int v) { pocos.push_back(v); });
    EXPECT_EQ(pocos, (std::vector<int>{30}));
}

TEST(CalculosDiagramas, ExtremosDeUnaVigaSimplementeApoyada) {
    EstadoProyecto e = Viga(6, 0, 6, 1250);
    Agregar(e, Puntual(2, 10, kMuerta));
    Calculos_Diagramas(e);
    EXPECT_EQ(e.MomentoNegMax, 0.0f);
    EXPECT_FALSE(std::signbit(e.MomentoNegMax));
    EXPECT_GT(e.MomentoPosMax, 0);
    EXPECT_GT(e.CortanteMax, 0);
    EXPECT_LT(e.CortanteMin, 0);
    EXPECT_EQ(e.MomentoMaxAbs, e.MomentoPosMax);
    EXPECT_EQ(e.CortanteMaxAbs, std::max(e.CortanteMax, -e.CortanteMin));
    // The shear at x = 0 is taken on the left side of the support.
    EXPECT_EQ(e.DiagCortante[1], 0.0f);
    EXPECT_GT(e.DiagCortante[2], 0.0f);
    // The largest sagging moment is under the load (left side of x = 2).
    EXPECT_NEAR(e.Posiciones.MomentoPosMax, 2.0, 0.011);
    EXPECT_NEAR(e.MomentoPosMax, 18.6667 + 1.4 * 0.3 * 2 * 4 / 2, 2e-3);
    // Sign of each array: moment in the analysis sign, service moment and shear displayed.
    const int centro = 301;
    EXPECT_LT(e.DiagMomento[centro], 0);
    EXPECT_GT(e.DiagMomentoServicio[centro], 0);
    EXPECT_EQ(e.DiagMomento[0], 0.0f);  // element 0 never written
}

TEST(CalculosDiagramas, VueloCargadoDaMomentoNegativo) {
    EstadoProyecto e = Viga(6, 1, 5);
    Agregar(e, Puntual(6, 10));
    Calculos_Diagramas(e);
    EXPECT_NEAR(e.MomentoNegMax, -10, 1e-3);
    EXPECT_NEAR(e.Posiciones.MomentoNegMax, 5, 0.011);
    EXPECT_EQ(e.MomentoPosMax, 0.0f);
}

TEST(CalculosDiagramas, LosExtremosSeAcumulanSobreLosDelLlamador) {
    EstadoProyecto e = Viga(6, 0, 6);
    Agregar(e, Puntual(3, 1));
    e.MomentoMaxAbs = 100;  // a caller that forgot to clear
    Calculos_Diagramas(e);
    EXPECT_EQ(e.MomentoMaxAbs, 100.0f);
}

TEST(CalculosDiagramas, ValoresIgualesConservanLaPrimeraPosicion) {
    // A uniform load between two point loads: a constant moment plateau
    // between x = 2 and x = 4 (four-point bending); the first station wins.
    EstadoProyecto e = Viga(6, 0, 6);
    Agregar(e, Puntual(2, 5));
    Agregar(e, Puntual(4, 5));
    Calculos_Diagramas(e);
    EXPECT_NEAR(e.MomentoPosMax, 10, 1e-3);
    EXPECT_LT(e.Posiciones.MomentoPosMax, 2.1);
}

}  // namespace
}  // namespace korvex
