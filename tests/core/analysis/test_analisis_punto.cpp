#include <gtest/gtest.h>

#include <cmath>

#include "Viga.h"
#include "analysis/Analisis_Punto.h"

namespace korvex {
namespace {

using prueba::Agregar;
using prueba::Distribuida;
using prueba::Momento;
using prueba::Puntual;
using prueba::Viga;

constexpr double kTol = 5e-5;  // forces and moments to 4 decimals

// Worked values on a 6 m beam (analysis sign). At a support the right shear
// includes the reaction and the left one does not; at an applied moment only
// the moment jumps.
TEST(AnalisisPunto, ValoresResueltosVigaDeSeisMetros) {
    const struct {
        const char* caso;
        Carga carga;
        float J, K, area, X;
        double cortanteIzq, cortanteDer, momentoIzq, momentoDer;
    } casos[] = {
        {"puntual Otros al centro", Puntual(3, 10), 0, 6, 0, 3, -5, 5, -15, -15},
        {"puntual Muerta al centro", Puntual(3, 10, kMuerta), 0, 6, 0, 3, -7, 7, -21, -21},
        {"puntual Viva al centro", Puntual(3, 10, kViva), 0, 6, 0, 3, -8.5, 8.5, -25.5, -25.5},
        {"puntual Muerta en a = 2", Puntual(2, 10, kMuerta), 0, 6, 0, 2, -9.3333, 4.6667,
         -18.6667, -18.6667},
        {"momento 10 en a = 2", Momento(2, 10), 0, 6, 0, 2, 1.6667, 1.6667, 3.3333, -6.6667},
        {"momento -6 en a = 4", Momento(4, -6), 0, 6, 0, 4, -1, -1, -4, 2},
        {"trapecio 1 a 4 en toda la luz", Distribuida(0, 6, 1, 4), 0, 6, 0, 2.5, -1.9375,
         -1.9375, -10.5729, -10.5729},
        {"categoría desconocida toma factor 1", Puntual(3, 10, 7), 0, 6, 0, 3, -5, 5, -15, -15},
        {"en el apoyo J = 1", Puntual(3, 10), 1, 5, 0, 1, 0, -5, 0, 0},
        {"en el apoyo K = 5", Puntual(3, 10), 1, 5, 0, 5, 5, 0, 0, 0},
        {"vuelo, punta cargada, en K", Puntual(6, 10), 1, 5, 0, 5, 2.5, -10, 10, 10},
        {"peso propio 25 x 50 en x = 0", Puntual(3, 0), 0, 6, 1250, 0, 0, -1.26, 0, 0},
        {"peso propio 25 x 50 al centro", Puntual(3, 0), 0, 6, 1250, 3, 0, 0, -1.89, -1.89},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EstadoProyecto e = Viga(6, c.J, c.K, c.area);
        Agregar(e, c.carga);
        Analisis_Punto(e, c.X);
        EXPECT_NEAR(e.CortanteIzq, c.cortanteIzq, kTol);
        EXPECT_NEAR(e.CortanteDer, c.cortanteDer, kTol);
        EXPECT_NEAR(e.MomentoIzq, c.momentoIzq, kTol);
        EXPECT_NEAR(e.MomentoDer, c.momentoDer, kTol);
        EXPECT_EQ(e.Combinacion, 3);
    }
    // Self weight (double factor 1.4) is not factored in the service moment.
    EstadoProyecto p = Viga(6, 0, 6, 1250);
    Analisis_Punto(p, 3);
    EXPECT_NEAR(p.MomentoServicio, -1.35, kTol);
}

TEST(AnalisisPunto, SinModuloNiInerciaGiroYFlechaSonCero) {
    // The load window can query a point before any section is defined.
    for (float E : {1.0f, 0.0f}) {
        SCOPED_TRACE(E);
        EstadoProyecto e = Viga(6, 0, 6, 0, E, 0);
        Agregar(e, Puntual(2, 5));
        Analisis_Punto(e, 3);
        EXPECT_EQ(e.Giro, 0.0f);
        EXPECT_TRUE(std::isfinite(e.Flecha));
        if (E == 0) {
            EXPECT_EQ(e.Flecha, 0.0f);
        }
    }
}

TEST(AnalisisPunto, SingularidadesEnCero) {
    EXPECT_EQ(Macaulay(-1.5f), 0.0f);
    EXPECT_EQ(Macaulay(0.0f), 0.0f);
    EXPECT_EQ(Macaulay(2.5f), 2.5f);
    EXPECT_EQ(Escalon(-1e-7f, 1), 0);
    EXPECT_EQ(Escalon(0.0f, 1), 1);
    EXPECT_EQ(Escalon(0.0f, 2), 0);
    EXPECT_EQ(Escalon(0.0f, 3), 0);
    EXPECT_EQ(Escalon(1e-7f, 2), 1);
}

}  // namespace
}  // namespace korvex
