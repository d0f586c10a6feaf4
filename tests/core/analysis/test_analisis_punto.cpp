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

struct Esperado {
    const char* caso;
    Carga carga;
    float area;
    float X;
    double cortanteIzq, cortanteDer, momentoIzq, momentoDer;
};

// Worked values on a 6 m beam on end supports (analysis sign).
TEST(AnalisisPunto, ValoresResueltosVigaDeSeisMetros) {
    const Esperado casos[] = {
        {"puntual 10 Otros al centro", Puntual(3, 10), 0, 3, -5, 5, -15, -15},
        {"puntual 10 Muerta al centro", Puntual(3, 10, kMuerta), 0, 3, -7, 7, -21, -21},
        {"puntual 10 Viva al centro", Puntual(3, 10, kViva), 0, 3, -8.5, 8.5, -25.5, -25.5},
        {"puntual muerta 10 en a = 2", Puntual(2, 10, kMuerta), 0, 2, -9.3333, 4.6667, -18.6667,
         -18.6667},
        {"momento 10 en a = 2", Momento(2, 10), 0, 2, 1.6667, 1.6667, 3.3333, -6.6667},
        {"trapecio 1 a 4 en toda la luz", Distribuida(0, 6, 1, 4), 0, 2.5, -1.9375, -1.9375,
         -10.5729, -10.5729},
        {"categoría desconocida toma factor 1", Puntual(3, 10, 7), 0, 3, -5, 5, -15, -15},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EstadoProyecto e = Viga(6, 0, 6, c.area);
        Agregar(e, c.carga);
        Analisis_Punto(e, c.X);
        EXPECT_NEAR(e.CortanteIzq, c.cortanteIzq, kTol);
        EXPECT_NEAR(e.CortanteDer, c.cortanteDer, kTol);
        EXPECT_NEAR(e.MomentoIzq, c.momentoIzq, kTol);
        EXPECT_NEAR(e.MomentoDer, c.momentoDer, kTol);
        EXPECT_EQ(e.Combinacion, 3);
    }
}

TEST(AnalisisPunto, PesoPropioSolo) {
    // b = 25, h = 50: 1250 cm2, w = 0.3 Tn/m over 6 m.
    EstadoProyecto e = Viga(6, 0, 6, 1250);
    Analisis_Punto(e, 3);
    EXPECT_NEAR(e.MomentoIzq, -1.89, kTol);  // 1.4 w L^2 / 8
    EXPECT_NEAR(e.MomentoDer, -1.89, kTol);
    EXPECT_NEAR(e.MomentoServicio, -1.35, kTol);
    Analisis_Punto(e, 0);
    EXPECT_NEAR(e.CortanteDer, -1.26, kTol);  // the left reaction, factored
    EXPECT_NEAR(e.CortanteIzq, 0, kTol);

    // Without section and without loads everything is zero.
    EstadoProyecto vacia = Viga(6, 0, 6, 0);
    Analisis_Punto(vacia, 2.5);
    for (float v : {vacia.CortanteIzq, vacia.CortanteDer, vacia.MomentoIzq, vacia.MomentoDer,
                    vacia.MomentoServicio, vacia.Giro, vacia.Flecha}) {
        EXPECT_EQ(v, 0.0f);
    }
}

TEST(AnalisisPunto, SaltosEnApoyosYMomentos) {
    // At a support the right shear includes the reaction, the left one does not.
    EstadoProyecto e = Viga(6, 1, 5);
    Agregar(e, Puntual(3, 10));
    Analisis_Punto(e, 1);
    EXPECT_NEAR(e.CortanteIzq, 0, kTol);
    EXPECT_NEAR(e.CortanteDer, -5, kTol);
    Analisis_Punto(e, 5);
    EXPECT_NEAR(e.CortanteIzq, 5, kTol);
    EXPECT_NEAR(e.CortanteDer, 0, kTol);

    // At an applied moment only the right moment jumps.
    EstadoProyecto m = Viga(6, 0, 6);
    Agregar(m, Momento(4, -6));
    Analisis_Punto(m, 4);
    EXPECT_NEAR(m.MomentoDer - m.MomentoIzq, 6, kTol);
    EXPECT_NEAR(m.CortanteDer, m.CortanteIzq, kTol);
}

TEST(AnalisisPunto, VueloConCargaEnLaPunta) {
    // 10 Tn at x = 6, supports at 1 and 5: R2 = 12.5, R1 = -2.5, hogging 10 over K.
    EstadoProyecto e = Viga(6, 1, 5, 0, 2e6f, 0.003f);
    Agregar(e, Puntual(6, 10));
    Analisis_Punto(e, 3);
    EXPECT_NEAR(e.CortanteIzq, 2.5, kTol);  // minus R1
    Analisis_Punto(e, 5);
    EXPECT_NEAR(e.MomentoIzq, 10, kTol);
    EXPECT_NEAR(e.CortanteDer, -10, kTol);  // the tip load is all that is left to balance
    for (float x : {1.0f, 5.0f}) {
        Analisis_Punto(e, x);
        EXPECT_NEAR(e.Flecha, 0, 1e-9) << "x = " << x;
    }
    Analisis_Punto(e, 6);
    EXPECT_LT(e.Flecha, 0);  // the loaded tip goes down
}

TEST(AnalisisPunto, CargaUniformeSimplementeApoyada) {
    const float E = 2.188e6f, I = 0.0026042f;
    EstadoProyecto e = Viga(6, 0, 6, 0, E, I);
    Agregar(e, Distribuida(0, 6, 2, 2));
    Analisis_Punto(e, 3);
    EXPECT_NEAR(e.MomentoIzq, -9, kTol);
    EXPECT_NEAR(e.MomentoServicio, -9, kTol);
    const double flecha = -5.0 * 2 * std::pow(6.0, 4) / (384.0 * E);
    EXPECT_NEAR(e.Flecha, flecha, std::fabs(flecha) * 1e-5);
    EXPECT_NEAR(e.Giro, 0, 1e-9);
    Analisis_Punto(e, 0);
    const double giro0 = 2.0 * 216 / (24.0 * E * I);  // w L^3 / (24 E I), clockwise positive
    EXPECT_NEAR(e.Giro, giro0, giro0 * 1e-5);
}

TEST(AnalisisPunto, SinModuloNiInerciaGiroYFlechaSonCero) {
    // The load window can query a point before any section is defined.
    EstadoProyecto e = Viga(6, 0, 6, 0, 1, 0);
    Agregar(e, Puntual(2, 5));
    Analisis_Punto(e, 3);
    EXPECT_EQ(e.Giro, 0.0f);
    EXPECT_TRUE(std::isfinite(e.Flecha));
    EstadoProyecto sinE = Viga(6, 0, 6, 0, 0, 0);
    Agregar(sinE, Puntual(2, 5));
    Analisis_Punto(sinE, 3);
    EXPECT_EQ(sinE.Flecha, 0.0f);
    EXPECT_EQ(sinE.Giro, 0.0f);
}

TEST(AnalisisPunto, SingularidadesDeUnaVariable) {
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
