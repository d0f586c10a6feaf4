// Invariants of the analysis over many generated beams (fixed seed): statics,
// boundary conditions of the elastic line, symmetry and superposition.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Viga.h"
#include "analysis/Analisis_Punto.h"
#include "analysis/Calculos_Diagramas.h"

namespace korvex {
namespace {

using prueba::Agregar;
using prueba::Distribuida;
using prueba::Momento;
using prueba::Puntual;
using prueba::Viga;

struct Generador {
    std::mt19937 rng{20261207};
    float Uniforme(float a, float b) { return std::uniform_real_distribution<float>(a, b)(rng); }
    // A value rounded to centimetres, as the fields hold them.
    float Cm(float a, float b) { return std::round(Uniforme(a, b) * 100) / 100; }
    int Entero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }

    // Mixed loads of every category; half of the beams have cantilevers.
    EstadoProyecto VigaAleatoria() {
        const float L = Cm(1, 12);
        float J = 0, K = L;
        if (Entero(0, 1)) {
            J = Cm(0, L / 3);
            K = Cm(L / 2 + 0.1f, L);
            if (K <= J) K = L;
        }
        EstadoProyecto e = Viga(L, J, K, Entero(0, 1) ? Cm(500, 3000) : 0, 2.1e6f, 0.004f);
        for (int i = Entero(1, 6); i > 0; --i) {
            const float cat = static_cast<float>(Entero(1, 3));
            const float a = Cm(0, L);
            const int tipo = Entero(0, 2);
            if (tipo == 0) Agregar(e, Puntual(a, Cm(-5, 10), cat));
            if (tipo == 1) Agregar(e, Momento(a, Cm(-8, 8), cat));
            if (tipo == 2) {
                const float b = std::max(0.01f, Cm(0, L - a));
                Agregar(e, Distribuida(std::min(a, L - b), b, Cm(0, 5), Cm(0, 5), cat));
            }
        }
        return e;
    }
};

// Total factored vertical load P and its moment Mo about x = 0.
void Resultante(const EstadoProyecto& e, double& P, double& Mo) {
    P = 1.4 * 0.00024 * e.AreaSeccion * e.LuzViga;
    Mo = P * e.LuzViga / 2;
    for (int i = 1; i <= e.NumCargas; ++i) {
        const Carga& c = e.Cargas[i];
        const double F = c.Categoria == kViva ? 1.7f : c.Categoria == kMuerta ? 1.4f : 1.0;
        if (c.Tipo == kPuntual) {
            P += F * c.P1;
            Mo += F * c.P1 * c.A;
        } else if (c.Tipo == kMomento) {
            Mo -= F * c.P1;  // clockwise moment, as a couple
        } else {
            const double b = c.B, r = (c.P1 + c.P2) / 2.0 * b;
            P += F * r;
            if (c.P1 + c.P2 != 0) Mo += F * r * (c.A + b * (c.P1 + 2.0 * c.P2) / (3 * (c.P1 + c.P2)));
        }
    }
}

TEST(InvariantesAnalisis, EquilibrioYFlechaNulaEnApoyos) {
    Generador g;
    for (int n = 0; n < 300; ++n) {
        EstadoProyecto e = g.VigaAleatoria();
        SCOPED_TRACE("viga " + std::to_string(n) + " L = " + std::to_string(e.LuzViga));
        double P, Mo;
        Resultante(e, P, Mo);
        const double escala = 1 + std::fabs(P) + std::fabs(Mo);
        // Beyond the right end shear and moment vanish: the reactions balance the loads.
        Analisis_Punto(e, e.LuzViga + 0.5f);
        EXPECT_NEAR(e.CortanteDer, 0, 2e-5 * escala);
        EXPECT_NEAR(e.MomentoDer, 0, 2e-4 * escala);
        // The shear jumps at the supports are the reactions; they carry the
        // whole factored load (unless a point load sits on a support and jumps there too).
        Analisis_Punto(e, e.DistJ);
        const double R1 = e.CortanteIzq - e.CortanteDer;
        Analisis_Punto(e, e.DistK);
        const double R2 = e.CortanteIzq - e.CortanteDer;
        bool sobreApoyo = false;
        for (int i = 1; i <= e.NumCargas; ++i) {
            const Carga& c = e.Cargas[i];
            sobreApoyo |= c.Tipo == kPuntual && (c.A == e.DistJ || c.A == e.DistK);
        }
        if (!sobreApoyo) {
            EXPECT_NEAR(R1 + R2, P, 2e-5 * escala);
        }
        for (float x : {e.DistJ, e.DistK}) {
            Analisis_Punto(e, x);
            EXPECT_NEAR(e.Flecha, 0, 1e-9 * escala * std::pow(e.LuzViga, 3));
        }
    }
}

// The beam seen from the other end: x -> L - x. Forces keep their sense, an
// applied moment changes its sense, a trapezoid swaps its two intensities.
EstadoProyecto Espejo(const EstadoProyecto& e) {
    const float L = e.LuzViga;
    EstadoProyecto m = Viga(L, L - e.DistK, L - e.DistJ, e.AreaSeccion, e.ModuloElasticidad,
                            e.InerciaSeccion);
    for (int i = 1; i <= e.NumCargas; ++i) {
        const Carga& c = e.Cargas[i];
        if (c.Tipo == kPuntual) Agregar(m, Puntual(L - c.A, c.P1, c.Categoria));
        if (c.Tipo == kMomento) Agregar(m, Momento(L - c.A, -c.P1, c.Categoria));
        if (c.Tipo == kDistribuida) Agregar(m, Distribuida(L - c.Fin, c.B, c.P2, c.P1, c.Categoria));
    }
    return m;
}

TEST(InvariantesAnalisis, UnaVigaYSuEspejoDanDiagramasReflejados) {
    Generador g;
    for (int n = 0; n < 200; ++n) {
        EstadoProyecto e = g.VigaAleatoria();
        EstadoProyecto m = Espejo(e);
        SCOPED_TRACE("viga " + std::to_string(n));
        double P, Mo;
        Resultante(e, P, Mo);
        const double carga = 1 + std::fabs(P) + std::fabs(Mo);
        const double L = e.LuzViga, E = e.ModuloElasticidad;
        for (int j = 0; j < 5; ++j) {
            const float x = g.Uniforme(0, e.LuzViga);
            Analisis_Punto(e, x);
            Analisis_Punto(m, e.LuzViga - x);
            const double escala = 1 + std::fabs(e.MomentoIzq) + std::fabs(m.MomentoDer);
            EXPECT_NEAR(m.MomentoDer, e.MomentoIzq, 5e-4 * escala);
            EXPECT_NEAR(m.CortanteDer, -e.CortanteIzq, 5e-4 * escala);
            EXPECT_NEAR(m.MomentoServicio, e.MomentoServicio, 5e-4 * escala);
            // Deflection and rotation scales: load times L^3 / E and L^2 / (E I).
            EXPECT_NEAR(m.Flecha, e.Flecha, 1e-5 * carga * L * L * L / E);
            EXPECT_NEAR(m.Giro, -e.Giro, 1e-5 * carga * L * L / (E * e.InerciaSeccion));
        }
    }
}

TEST(InvariantesAnalisis, UnaCargaDistribuidaPartidaEnDosEsLaMisma) {
    Generador g;
    for (int n = 0; n < 200; ++n) {
        const float L = g.Cm(2, 10);
        const float a = g.Cm(0, L / 2), b = g.Cm(0.5f, L - a);
        const float P1 = g.Cm(0, 6), P2 = g.Cm(0, 6);
        const float corte = g.Cm(0.01f, b - 0.01f);
        const float Pc = P1 + (P2 - P1) * corte / b;  // intensity at the cut
        EstadoProyecto una = Viga(L, 0, L, 0, 2e6f, 0.003f);
        Agregar(una, Distribuida(a, b, P1, P2, kMuerta));
        EstadoProyecto dos = Viga(L, 0, L, 0, 2e6f, 0.003f);
        Agregar(dos, Distribuida(a, corte, P1, Pc, kMuerta));
        Agregar(dos, Distribuida(a + corte, b - corte, Pc, P2, kMuerta));
        Calculos_Diagramas(una);
        Calculos_Diagramas(dos);
        SCOPED_TRACE("L = " + std::to_string(L));
        ASSERT_EQ(una.NumEstaciones, dos.NumEstaciones);
        const double escala = 1 + una.MomentoMaxAbs;
        for (int k = 1; k <= una.NumEstaciones; k += 7) {
            EXPECT_NEAR(una.DiagMomento[k], dos.DiagMomento[k], 2e-3 * escala);
            EXPECT_NEAR(una.DiagCortante[k], dos.DiagCortante[k], 2e-3 * escala);
            EXPECT_NEAR(una.DiagFlecha[k], dos.DiagFlecha[k],
                        2e-3 * (1e-9 + std::fabs(una.FlechaMax)));
        }
    }
}

// wL²/8 and -5wL⁴/(384E) at midspan (Flecha carries E I y), wL³/(24EI) at the support.
TEST(InvariantesAnalisis, UniformeSobreLuzSimple) {
    const float E = 2.188e6f, I = 0.003f;
    for (float L : {2.0f, 4.5f, 6.0f, 9.3f}) {
        for (float w : {0.5f, 2.0f, 7.25f}) {
            SCOPED_TRACE(testing::Message() << L << " " << w);
            EstadoProyecto e = Viga(L, 0, L, 0, E, I);
            Agregar(e, Distribuida(0, L, w, w));
            Analisis_Punto(e, L / 2);
            const double M = w * L * L / 8.0;
            EXPECT_NEAR(e.MomentoServicio, -M, 1e-5 * M);
            EXPECT_NEAR(e.MomentoIzq, -M, 1e-5 * M);  // category "Otros": factor 1
            const double f = -5.0 * w * std::pow(L, 4) / (384.0 * E);
            EXPECT_NEAR(e.Flecha, f, 1e-5 * std::fabs(f));
            const double giro0 = w * std::pow(L, 3) / (24.0 * E * I);  // clockwise positive
            EXPECT_NEAR(e.Giro, 0, 1e-5 * giro0);
            Analisis_Punto(e, 0);
            EXPECT_NEAR(e.Giro, giro0, 1e-5 * giro0);
        }
    }
}

}  // namespace
}  // namespace korvex
