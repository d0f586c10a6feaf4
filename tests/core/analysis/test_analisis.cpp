// Analysis at a point, the reactions, the diagrams, the pre-calculation check, invariants over
// generated beams.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "design/Reglas.h"
#include "VigasAnalisis.h"
#include "analysis/AnalizadorViga.h"
#include "analysis/Analisis_Punto.h"
#include "analysis/Calculos_Diagramas.h"
#include "model/Estado.h"

// The rules of every calculation of these tests.
namespace {
const korvex::ReglasDiseno& kReglas = korvex::ReglasPorClave(korvex::kReglasClasicas);
}  // namespace

namespace korvex::pruebas {
namespace {

// Worked values on a 6 m beam (analysis sign), to 4 decimals. At a support the
// right shear includes the reaction and the left one does not; at an applied
// moment only the moment jumps.
TEST(AnalisisPunto, ValoresResueltosVigaDeSeisMetros) {
    const struct {
        const char* caso;
        CargaViga carga;
        float J, K, area, X;
        double Vizq, Vder, Mizq, Mder;
    } casos[] = {
        {"puntual Viva al centro", Puntual(3, 10, Viva), 0, 6, 0, 3, -8.5, 8.5, -25.5, -25.5},
        {"puntual Muerta en a = 2", Puntual(2, 10, Muerta), 0, 6, 0, 2, -9.3333, 4.6667, -18.6667,
         -18.6667},
        {"momento 10 en a = 2", Momento(2, 10), 0, 6, 0, 2, 1.6667, 1.6667, 3.3333, -6.6667},
        {"momento -6 en a = 4", Momento(4, -6), 0, 6, 0, 4, -1, -1, -4, 2},
        {"trapecio 1 a 4 en toda la luz", Distribuida(0, 6, 1, 4), 0, 6, 0, 2.5, -1.9375, -1.9375,
         -10.5729, -10.5729},
        {"categoría desconocida toma factor 1", Puntual(3, 10, static_cast<CategoriaCarga>(7)), 0,
         6, 0, 3, -5, 5, -15, -15},
        {"en el apoyo J = 1", Puntual(3, 10), 1, 5, 0, 1, 0, -5, 0, 0},
        {"en el apoyo K = 5", Puntual(3, 10), 1, 5, 0, 5, 5, 0, 0, 0},
        {"vuelo, punta cargada, en K", Puntual(6, 10), 1, 5, 0, 5, 2.5, -10, 10, 10},
        {"peso propio 25 x 50 en x = 0", Puntual(3, 0), 0, 6, 1250, 0, 0, -1.26, 0, 0},
        {"peso propio 25 x 50 al centro", Puntual(3, 0), 0, 6, 1250, 3, 0, 0, -1.89, -1.89},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const ResultadoPunto e = Viga(6, c.J, c.K, {c.carga}, c.area).Punto(kReglas, c.X);
        EXPECT_NEAR(e.CortanteIzq, c.Vizq, 5e-5);
        EXPECT_NEAR(e.CortanteDer, c.Vder, 5e-5);
        EXPECT_NEAR(e.MomentoIzq, c.Mizq, 5e-5);
        EXPECT_NEAR(e.MomentoDer, c.Mder, 5e-5);
    }
    // Self weight (double factor 1.4) is not factored in the service moment.
    EXPECT_NEAR(Viga(6, 0, 6, {}, 1250).Punto(kReglas, 3).MomentoServicio, -1.35, 5e-5);
    // Mended: before any section exists (I or E zero) no inf/NaN.
    for (float E : {1.0f, 0.0f}) {
        const ResultadoPunto e = Viga(6, 0, 6, {Puntual(2, 5)}, 0, E, 0).Punto(kReglas, 3);
        EXPECT_EQ(e.Giro, 0.0f) << E;
        EXPECT_TRUE(E == 0 ? e.Flecha == 0 : std::isfinite(e.Flecha)) << E;
    }
}

// The statics of the analysis solve a beam on two supports: any other number
// is refused where the supports are read.
TEST(Apoyos, LaEstaticaResuelveDosApoyos) {
    VigaPrueba v = Viga(6, 0, 6, {Puntual(2, 5)});
    EXPECT_NO_THROW(v.Analizar(kReglas));
    const std::vector<float> otros[] = {{}, {0}, {0, 3, 6}};
    for (const std::vector<float>& apoyos : otros) {
        v.datos.apoyos = apoyos;
        EXPECT_THROW(v.Punto(kReglas, 3), std::invalid_argument) << apoyos.size();
        EXPECT_THROW(v.Analizar(kReglas), std::invalid_argument) << apoyos.size();
    }
}

// Supports at 1 and 6 of an 8 m beam (span 5), each category its own factor.
// Alone, each load gives (R_J, R_K):
//   self weight 0.24 Tn/m x 8 = 1.92 Tn at 4:          (0.768, 1.152)
//   dead 10 Tn at 3:                                    (6, 4)
//   live trapezoid 1 -> 3 Tn/m from 6 to 8 (4 Tn, 2 at
//   7 and 2 at 7.3333): R_K = (12 + 12.6667) / 5       (-0.93333, 4.93333)
//   "Otros" clockwise couple 5 Tn.m at 2:               (-1, 1)
// Factored 1.3 / 1.2 / 1.6 / 1.1: R_J = 5.605067, R_K = 15.290933 (together
// 1.3 x 1.92 + 1.2 x 10 + 1.6 x 4 = 20.896); in service 4.834667 and
// 11.085333 (15.92). The record takes the classic rules: 1.4 / 1.4 / 1.7 / 1.
TEST(Reacciones, SumaFactorizadaYDeServicioResueltaAMano) {
    const VigaPrueba e =
        Viga(8, 1, 6, {Puntual(3, 10, Muerta), Distribuida(6, 2, 1, 3, Viva), Momento(2, 5, Otros)},
             1000);
    const AnalizadorViga viga(e.datos, e.seccion, kReglas);
    CombinacionCargas u;
    u.pesoPropio = 1.3;
    u.muerta = 1.2;
    u.viva = 1.6;
    u.otros = 1.1;
    const ReaccionesApoyos f = viga.ReaccionesCombinacion(u);
    EXPECT_NEAR(f.R1, 5.605067, 1e-5);
    EXPECT_NEAR(f.R2, 15.290933, 1e-5);
    const ReaccionesApoyos s = viga.ReaccionesCombinacion(CombinacionCargas{});
    EXPECT_NEAR(s.R1, 4.834667, 1e-5);
    EXPECT_NEAR(s.R2, 11.085333, 1e-5);

    const PasoReacciones r = viga.Reacciones();
    EXPECT_NEAR(r.PesoPropio, 0.24, 1e-7);
    EXPECT_NEAR(r.R1Factorizada, 1.4 * 0.768 + 1.4 * 6 - 1.7 * 0.933333 - 1, 1e-5);
    EXPECT_NEAR(r.R2Factorizada, 1.4 * 1.152 + 1.4 * 4 + 1.7 * 4.933333 + 1, 1e-5);
    EXPECT_NEAR(r.R1Servicio, 4.834667, 1e-5);
    EXPECT_NEAR(r.R2Servicio, 11.085333, 1e-5);
}

// Refusals before a calculation (equal supports and b = 0 also go through
// the workflow tests): L is bounded by the station count, a load may
// overrun L by Single rounding only (0.5 mm), and nothing may be non-finite.
TEST(VerificarViga, RechazaLoQueElAnalisisDivide) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // The check reads the project state, where a load is coded in Single values.
    auto Estado = [](float L, float J, float K, const CargaViga& c) {
        EstadoProyecto e;
        e.LuzViga = L;
        e.DistJ = J;
        e.DistK = K;
        AgregarCarga(e, {c.a, c.b, c.c, c.p1, c.p2, c.fin, static_cast<float>(c.tipo),
                         static_cast<float>(c.categoria)});
        return e;
    };
    const struct {
        float L, J, K;
        CargaViga carga;
        const char* rechazo;  // "" accepted
    } casos[] = {
        {6, 0, 6, Distribuida(0.1f, 5.9f, 1, 1), ""},
        {6, 0, 6, Distribuida(0.1f, 5.901f, 1, 1), "está fuera de la viga"},
        {6, 0, 6, Puntual(-0.01f, 1), "está fuera de la viga"},
        {327.67f, 0, 327.67f, Puntual(1, 1), ""},
        {327.68f, 0, 327.68f, Puntual(1, 1), "excede el máximo de 327.67 m"},
        {0, 0, 0, Puntual(0, 1), "debe ser mayor que 0"},
        {6, 0, 6.01f, Puntual(1, 1), "0 <= j < k <= L"},
        {6, 0, 6, Distribuida(1, 0, 2, 2), ""},
        {6, 0, 6, Puntual(1, nan), "no numérico"},
        {nan, 0, 6, Puntual(1, 1), "no numérico"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.L << " " << c.rechazo);
        const std::vector<Mensaje> m = VerificarViga(Estado(c.L, c.J, c.K, c.carga));
        if (*c.rechazo == 0) {
            EXPECT_TRUE(m.empty()) << m[0].texto;
            continue;
        }
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].texto.find(c.rechazo), std::string::npos) << m[0].texto;
        EXPECT_EQ(m[0].titulo, "Datos Incorrectos");
        EXPECT_EQ(m[0].estilo, kEstiloCritico);
    }
}

// n = L x 100 + 1 rounded half to even in Single, abscissas accumulated in
// Single (at 295.09 m they fall behind 0.01 k: 29512 stations up to 295.087 m
// where n is 29510; all are kept); the stages of a quarter, a half and three
// quarters of the beam (a beam of two stations passes the quarter only).
TEST(CalculosDiagramas, EstacionesEnPrecisionSimpleYProgreso) {
    const struct {
        float L;
        size_t asignadas;  // n + 1 elements, index 0 unused
        int estaciones;
    } casos[] = {{6, 602, 600},     {1, 102, 101}, {10, 1002, 1000},
                 {5.67f, 569, 567}, {0.01f, 3, 2}, {295.09f, 29513, 29512}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.L);
        const VigaPrueba v = Viga(c.L, 0, c.L, {Puntual(c.L / 2, 1)});
        std::vector<EtapaCalculo> progreso;
        const ResultadoAnalisis e = AnalizarViga(v.datos, v.seccion, kReglas,
                                                 [&](EtapaCalculo x) { progreso.push_back(x); });
        EXPECT_EQ(e.DiagMomento.size(), c.asignadas);
        EXPECT_EQ(e.NumEstaciones, c.estaciones);
        EXPECT_LE(e.DiagX[e.NumEstaciones], c.L);
        EXPECT_GT(e.DiagX[e.NumEstaciones], c.L - 0.01f);
        using enum EtapaCalculo;
        EXPECT_EQ(progreso,
                  (c.L < 0.1f ? std::vector{CuartoDeViga}
                              : std::vector{CuartoDeViga, MitadDeViga, TresCuartosDeViga}));
    }
}

TEST(CalculosDiagramas, ExtremosSignosYComparacionesEstrictas) {
    const ResultadoAnalisis e = Viga(6, 0, 6, {Puntual(2, 10, Muerta)}, 1250).Analizar(kReglas);
    EXPECT_EQ(e.MomentoNegMax, 0.0f);
    EXPECT_FALSE(std::signbit(e.MomentoNegMax));  // the final sign change gives no "-0"
    EXPECT_EQ(e.CortanteMaxAbs, std::max(e.CortanteMax, -e.CortanteMin));
    EXPECT_EQ(e.DiagCortante[1], 0.0f);  // x = 0 is taken left of the support
    EXPECT_GT(e.DiagCortante[2], 0.0f);
    EXPECT_LT(e.DiagMomento[301], 0);          // analysis sign
    EXPECT_GT(e.DiagMomentoServicio[301], 0);  // displayed sign

    // Four-point bending, live loads: M = 1.7 x 5 x 2 from 2 to 4; strictly beyond
    // replaces, so the diagrams and the envelope keep the first station.
    const ResultadoAnalisis f =
        Viga(6, 0, 6, {Puntual(2, 5, Viva), Puntual(4, 5, Viva)}).Analizar(kReglas);
    EXPECT_NEAR(f.MomentoPosMax, 17, 1e-3);
    EXPECT_LT(f.Posiciones.MomentoPosMax, 2.1);
    EXPECT_NEAR(f.Envolvente.Extremos.MomentoPosMax.valor, 17, 1e-3);
    EXPECT_LT(f.Envolvente.Extremos.MomentoPosMax.x, 2.1f);
}

// Statics and supports; the mirrored beam gives the mirrored values.
TEST(InvariantesAnalisis, EquilibrioFlechaNulaEnApoyosYEspejo) {
    Azar g{std::mt19937{20261207}};
    for (int n = 0; n < 300; ++n) {
        const VigaPrueba v = VigaAleatoria(g, n % 2 == 0, false);
        SCOPED_TRACE("viga " + std::to_string(n));
        const float L = v.datos.longitud, J = v.datos.ApoyoIzquierdo(), K = v.datos.ApoyoDerecho();
        const VigaPrueba espejo = Espejo(v);
        // Total factored vertical load P and its moment Mo about x = 0 (tolerances).
        double P = 1.4 * 0.00024 * v.seccion.area * L, Mo = P * L / 2;
        bool sobreApoyo = false;  // a point load on a support jumps there too
        for (const CargaViga& c : v.datos.cargas) {
            const double F = c.categoria == Viva ? 1.7f : c.categoria == Muerta ? 1.4f : 1.0;
            const bool puntual = c.tipo == TipoCarga::Puntual,
                       momento = c.tipo == TipoCarga::Momento;
            const double r = puntual ? c.p1 : (c.p1 + c.p2) / 2.0 * c.b;  // resultant
            const double s = c.p1 + c.p2;  // centroid (P1 + 2 P2) b / (3 s) beyond a
            const double xr = c.tipo == TipoCarga::Distribuida && s != 0
                                  ? c.a + c.b * (c.p1 + 2.0 * c.p2) / (3 * s)
                                  : c.a;
            P += momento ? 0 : F * r;
            Mo += momento ? -F * c.p1 : F * r * xr;  // a clockwise couple
            sobreApoyo |= puntual && (c.a == J || c.a == K);
        }
        const double carga = 1 + std::fabs(P) + std::fabs(Mo), E = v.seccion.modulo;
        // Beyond the right end shear and moment vanish.
        ResultadoPunto e = v.Punto(kReglas, L + 0.5f);
        EXPECT_NEAR(e.CortanteDer, 0, 2e-5 * carga);
        EXPECT_NEAR(e.MomentoDer, 0, 2e-4 * carga);
        // The shear jumps at the supports (the reactions) carry the whole load.
        e = v.Punto(kReglas, J);
        const double R1 = e.CortanteIzq - e.CortanteDer;
        EXPECT_NEAR(e.Flecha, 0, 1e-9 * carga * L * L * L);
        e = v.Punto(kReglas, K);
        const double R2 = e.CortanteIzq - e.CortanteDer;
        EXPECT_NEAR(e.Flecha, 0, 1e-9 * carga * L * L * L);
        if (!sobreApoyo) {
            EXPECT_NEAR(R1 + R2, P, 2e-5 * carga);
        }
        for (int j = 0; j < 5; ++j) {
            const float x = g.U(0, L);
            e = v.Punto(kReglas, x);
            const ResultadoPunto m = espejo.Punto(kReglas, L - x);
            const double escala = 1 + std::fabs(e.MomentoIzq) + std::fabs(m.MomentoDer);
            EXPECT_NEAR(m.MomentoDer, e.MomentoIzq, 5e-4 * escala);
            EXPECT_NEAR(m.CortanteDer, -e.CortanteIzq, 5e-4 * escala);
            EXPECT_NEAR(m.MomentoServicio, e.MomentoServicio, 5e-4 * escala);
            // Deflection and rotation scales: load x L^3 / E and L^2 / (E I).
            EXPECT_NEAR(m.Flecha, e.Flecha, 1e-5 * carga * L * L * L / E);
            EXPECT_NEAR(m.Giro, -e.Giro, 1e-5 * carga * L * L / (E * v.seccion.inercia));
        }
    }
}

// wL²/8 and -5wL⁴/(384E) at midspan (Flecha carries E I y), wL³/(24EI) at the support.
TEST(InvariantesAnalisis, UniformeSobreLuzSimple) {
    const float E = 2.188e6f, I = 0.003f;
    for (float L : {2.0f, 4.5f, 6.0f, 9.3f}) {
        for (float w : {0.5f, 2.0f, 7.25f}) {
            SCOPED_TRACE(testing::Message() << L << " " << w);
            const VigaPrueba v = Viga(L, 0, L, {Distribuida(0, L, w, w)}, 0, E, I);
            ResultadoPunto e = v.Punto(kReglas, L / 2);
            const double M = w * L * L / 8.0;
            EXPECT_NEAR(e.MomentoServicio, -M, 1e-5 * M);
            const double f = -5.0 * w * std::pow(L, 4) / (384.0 * E);
            EXPECT_NEAR(e.Flecha, f, 1e-5 * std::fabs(f));
            const double giro0 = w * std::pow(L, 3) / (24.0 * E * I);  // clockwise positive
            e = v.Punto(kReglas, 0);
            EXPECT_NEAR(e.Giro, giro0, 1e-5 * giro0);
        }
    }
}

}  // namespace
}  // namespace korvex::pruebas
