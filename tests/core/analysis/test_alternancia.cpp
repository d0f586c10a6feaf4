// Live-load arrangements: a worked beam with two cantilevers, the loads of each
// zone, and invariants of the envelope over generated beams.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "design/Reglas.h"
#include "VigasAnalisis.h"
#include "analysis/Alternancia.h"
#include "analysis/Calculos_Diagramas.h"

// The rules of every calculation of these tests.
namespace {
const korvex::ReglasDiseno& kReglas = korvex::ReglasPorClave(korvex::kReglasClasicas);
}  // namespace

namespace korvex::pruebas {
namespace {

// L = 8 m on supports at 1.5 and 6.5 (span 5 m, two 1.5 m cantilevers), no
// self weight; dead 2 Tn/m and live 1 Tn/m over the whole beam, factored w =
// 1.4 x 2 + 1.7 x 1 = 4.5 Tn/m, 2.8 Tn/m with the live load off.
// - Midspan, all loaded: 4.5 x 25 / 8 - 4.5 x 2.25 / 2 = 9.0000 Tn.m; live on
//   the span only: 4.5 x 25 / 8 - 2.8 x 2.25 / 2 = 10.9125 Tn.m, [no, yes, no].
// - Over a support: 4.5 x 1.5^2 / 2 = 5.0625 Tn.m with live on its cantilever;
//   every arrangement that loads it ties, so the first, all loaded, is reported.
// - Shear right of J, live off the right cantilever: R1 = [4.5 x 1.5 x 5.75 +
//   4.5 x 5 x 2.5 - 2.8 x 1.5 x 0.75] / 5 = 18.3825, V = 18.3825 - 6.75 =
//   11.6325 Tn (11.25 all loaded); 1 cm on, 11.5875 against 11.205, beyond
//   2 % + 0.01, so the notice names V too.
TEST(Alternancia, VigaConDosVuelosResueltaAMano) {
    VigaPrueba v =
        Viga(8, 1.5f, 6.5f, {Distribuida(0, 8, 2, 2, Muerta), Distribuida(0, 8, 1, 1, Viva)});
    const ResultadoAnalisis e = v.Analizar(kReglas);
    EXPECT_FALSE(e.UsaEnvolvente);
    EXPECT_NEAR(e.MomentoPosMax, 9.0, 1e-3);
    EXPECT_NEAR(e.MomentoNegMax, -5.0625, 1e-3);
    EXPECT_NEAR(e.CortanteMaxAbs, 11.25, 0.05);

    const ExtremosEnvolvente& x = e.Envolvente.Extremos;
    EXPECT_EQ(e.Envolvente.arreglos, 8);
    EXPECT_NEAR(x.MomentoPosMax.valor, 10.9125, 1e-3);
    EXPECT_NEAR(x.MomentoPosMax.x, 4.0, 0.011);
    EXPECT_EQ(x.MomentoPosMax.vivas, (ZonasVivas{false, true, false}));
    EXPECT_NEAR(x.MomentoNegMax.valor, -5.0625, 1e-3);
    EXPECT_EQ(x.MomentoNegMax.vivas, (ZonasVivas{true, true, true}));
    EXPECT_NEAR(x.CortanteMaxAbs.valor, 11.6325, 0.05);
    EXPECT_FALSE(x.CortanteMaxAbs.vivas[0] && x.CortanteMaxAbs.vivas[2]);

    // The notice names the sagging moment; with the option on the extremes
    // are the envelope's and there is no notice.
    EXPECT_EQ(e.AvisoAlternancia,
              "Con carga viva alternada: M(+) = 10.91 Tn.m (diseño: 9.00), V = 11.59 Tn "
              "(diseño: 11.21). Active «Alternar carga viva».");
    v.datos.opciones.alternancia = true;
    const ResultadoAnalisis a = v.Analizar(kReglas);
    EXPECT_TRUE(a.UsaEnvolvente);
    EXPECT_EQ(a.AvisoAlternancia, "");
    EXPECT_EQ(a.MomentoPosMax, x.MomentoPosMax.valor);
    EXPECT_EQ(a.Posiciones.MomentoPosMax, x.MomentoPosMax.x);
    EXPECT_EQ(a.MomentoNegMax, x.MomentoNegMax.valor);
    EXPECT_EQ(a.Envolvente, e.Envolvente);
    EXPECT_EQ(a.DiagMomento, e.DiagMomento);
}

// A cantilever exists where a support stands short of an end; the supports
// belong to the span.
TEST(Alternancia, ZonasSegunLosApoyos) {
    using Z = std::vector<ZonaViga>;
    const ZonaViga izquierdo{kVueloIzquierdo, 0, 1.5f}, derecho{kVueloDerecho, 6.5f, 8};
    EXPECT_EQ(ZonasViga(8, {0, 8}), (Z{{kTramo, 0, 8}}));
    EXPECT_EQ(ZonasViga(8, {1.5f, 8}), (Z{izquierdo, {kTramo, 1.5f, 8}}));
    EXPECT_EQ(ZonasViga(8, {0, 6.5f}), (Z{{kTramo, 0, 6.5f}, derecho}));
    const Z ambos = ZonasViga(8, {1.5f, 6.5f});
    EXPECT_EQ(ambos, (Z{izquierdo, {kTramo, 1.5f, 6.5f}, derecho}));
    EXPECT_EQ(ZonaDe(1.49f, ambos), kVueloIzquierdo);
    EXPECT_EQ(ZonaDe(1.5f, ambos), kTramo);
    EXPECT_EQ(ZonaDe(6.5f, ambos), kTramo);
    EXPECT_EQ(ZonaDe(6.51f, ambos), kVueloDerecho);
}

// A live trapezoid crossing both supports is cut there with the intensity
// interpolated; loads on a support belong to the span.
TEST(Alternancia, RepartoPorZonas) {
    const VigaPrueba e = Viga(10, 2, 8,
                              {Distribuida(1, 8, 1, 5, Viva),  // 1..9, P = 1 + 0.5 (x - 1)
                               Puntual(2, 3, Viva),            // on J: span
                               Momento(9, 4, Viva),            // right cantilever
                               Distribuida(8, 2, 2, 2, Viva),  // K..L: right cantilever
                               Puntual(5, 7, Muerta)});
    const CargasPorZona z = RepartirCargas(e.datos);
    ASSERT_EQ(z.permanentes.size(), 1u);
    ASSERT_EQ(z.vivas[kVueloIzquierdo].size(), 1u);
    ASSERT_EQ(z.vivas[kTramo].size(), 2u);
    ASSERT_EQ(z.vivas[kVueloDerecho].size(), 3u);
    EXPECT_EQ(z.vivas[kTramo][1].tipo, TipoCarga::Puntual);
    // a, b, fin, p1, p2 of the three pieces of the trapezoid.
    auto pieza = [](const CargaViga& c) {
        return std::array<float, 5>{c.a, c.b, c.fin, c.p1, c.p2};
    };
    EXPECT_EQ(pieza(z.vivas[kVueloIzquierdo][0]), (std::array<float, 5>{1, 1, 2, 1, 1.5f}));
    EXPECT_EQ(pieza(z.vivas[kTramo][0]), (std::array<float, 5>{2, 6, 8, 1.5f, 4.5f}));
    EXPECT_EQ(pieza(z.vivas[kVueloDerecho][0]), (std::array<float, 5>{8, 1, 9, 4.5f, 5}));
}

// Whatever the loads, the all-loaded diagrams lie inside the envelope. On a
// simple span whose loads all act downward the whole live load is the worst
// case everywhere: the envelope's extremes, its sagging moment and its
// deflection are the all-loaded ones, and there is no notice.
TEST(Alternancia, LaEnvolventeContieneLaVigaCargadaEnteraYEnLuzSimpleEsElla) {
    Azar g{std::mt19937{8082026}};
    for (int n = 0; n < 250; ++n) {
        const bool simple = n % 5 >= 3;  // 100 simple spans under downward loads
        const ResultadoAnalisis e =
            VigaAleatoria(g, !simple && n % 2 == 0, simple).Analizar(kReglas);
        SCOPED_TRACE("viga " + std::to_string(n));
        const EnvolventeViva& v = e.Envolvente;
        for (int k = 1; k <= e.NumEstaciones; ++k) {
            ASSERT_LE(v.CortanteMin[k], e.DiagCortante[k]);
            ASSERT_GE(v.CortanteMax[k], e.DiagCortante[k]);
            ASSERT_LE(v.MomentoMin[k], e.DiagMomento[k]);
            ASSERT_GE(v.MomentoMax[k], e.DiagMomento[k]);
            ASSERT_LE(v.ServicioMin[k], e.DiagMomentoServicio[k]);
            ASSERT_GE(v.ServicioMax[k], e.DiagMomentoServicio[k]);
            ASSERT_LE(v.GiroMin[k], e.DiagGiro[k]);
            ASSERT_GE(v.GiroMax[k], e.DiagGiro[k]);
            ASSERT_LE(v.FlechaMin[k], e.DiagFlecha[k]);
            ASSERT_GE(v.FlechaMax[k], e.DiagFlecha[k]);
        }
        const ExtremosEnvolvente& x = v.Extremos;
        EXPECT_GE(x.MomentoPosMax.valor, e.MomentoPosMax);
        EXPECT_LE(x.MomentoNegMax.valor, e.MomentoNegMax);
        EXPECT_GE(x.CortanteMaxAbs.valor, e.CortanteMaxAbs);
        EXPECT_GE(x.FlechaMax.valor, e.FlechaMax);
        if (!simple) continue;
        const float tol = 1e-6f * (1 + e.MomentoMaxAbs + e.CortanteMaxAbs);
        EXPECT_NEAR(x.MomentoPosMax.valor, e.MomentoPosMax, tol);
        EXPECT_EQ(x.MomentoNegMax.valor, 0.0f);
        EXPECT_NEAR(x.CortanteMax.valor, e.CortanteMax, tol);
        EXPECT_NEAR(x.CortanteMin.valor, e.CortanteMin, tol);
        EXPECT_NEAR(x.FlechaMax.valor, e.FlechaMax, 1e-6f * e.FlechaMax);
        EXPECT_NEAR(x.GiroMax.valor, e.GiroMax, 1e-6f * e.GiroMax);
        // Downward loads on a simple span deflect it to one side only: the
        // envelope's deflection is the all-loaded one and the live load off,
        // on the same side (never the sag mirrored upward).
        for (int k = 1; k <= e.NumEstaciones; ++k) {
            ASSERT_NEAR(v.MomentoMin[k], e.DiagMomento[k], tol);
            const float f = e.DiagFlecha[k], ftol = 1e-6f * e.FlechaMax;
            ASSERT_NEAR(f <= 0 ? v.FlechaMin[k] : v.FlechaMax[k], f, ftol);
            ASSERT_GE(v.FlechaMax[k] * v.FlechaMin[k], -ftol * ftol);
        }
        EXPECT_EQ(e.AvisoAlternancia, "");
    }
}

// Simple span of 6 m, no self weight, dead 2 Tn/m and live 1 Tn/m over it.
// Service rotation q (L^3 - 6 L x^2 + 4 x^3) / (24 EI) has one sign on each
// half whatever q, so the arrangements give q = 3 (all loaded) and q = 2
// (live off): the envelope is the all-loaded rotation and 2/3 of it, on the
// same side, and likewise the deflection; nothing is mirrored.
TEST(Alternancia, GirosYFlechasDeUnaLuzSimpleSinReflejo) {
    const ResultadoAnalisis e =
        Viga(6, 0, 6, {Distribuida(0, 6, 2, 2, Muerta), Distribuida(0, 6, 1, 1, Viva)}, 0, 2e6f,
             0.005f)
            .Analizar(kReglas);
    const EnvolventeViva& v = e.Envolvente;
    const double EI = 2e6 * 0.005;  // Tn.m2
    // End rotation q L^3 / (24 EI), midspan deflection x I 5 q L^4 / (384 E).
    EXPECT_NEAR(std::fabs(e.DiagGiro[1]), 3 * 216 / (24 * EI), 1e-7);
    EXPECT_NEAR(e.FlechaMax, 5 * 3 * 1296 / (384 * 2e6), 1e-9);
    for (int k = 1; k <= e.NumEstaciones; ++k) {
        const double g = e.DiagGiro[k], f = e.DiagFlecha[k];
        const double gTol = 1e-6 * 3 * 216 / (24 * EI), fTol = 1e-6 * e.FlechaMax;
        ASSERT_NEAR(g > 0 ? v.GiroMax[k] : v.GiroMin[k], g, gTol) << k;
        ASSERT_NEAR(g > 0 ? v.GiroMin[k] : v.GiroMax[k], g * 2 / 3, gTol) << k;
        ASSERT_NEAR(f > 0 ? v.FlechaMax[k] : v.FlechaMin[k], f, fTol) << k;
        ASSERT_NEAR(f > 0 ? v.FlechaMin[k] : v.FlechaMax[k], f * 2 / 3, fTol) << k;
    }
    EXPECT_FALSE(v.tramoNegativo);
}

// The worked beam of VigaConDosVuelosResueltaAMano, factored: dead 2.8 Tn/m
// over 8 m gives 11.2 Tn at each support. Live 1.7 Tn/m on the left
// cantilever alone: 2.55 Tn at x = 0.75, R_K = 2.55 (0.75 - 1.5) / 5 = -0.3825,
// R_J = 2.55 + 0.3825 = 2.9325; on the span alone 8.5 Tn, 4.25 at each; on
// the right cantilever the mirror of the left. So R_J max = 11.2 + 2.9325 +
// 4.25 = 18.3825 with live on the left cantilever and the span, R_J min =
// 11.2 - 0.3825 = 10.8175 with live on the right cantilever alone; K mirrored.
// All loaded: 11.2 + 2.9325 + 4.25 - 0.3825 = 18.0 at each.
TEST(Alternancia, ReaccionesExtremasDeUnaVigaConDosVuelos) {
    const ResultadoAnalisis e =
        Viga(8, 1.5f, 6.5f, {Distribuida(0, 8, 2, 2, Muerta), Distribuida(0, 8, 1, 1, Viva)})
            .Analizar(kReglas);
    const PasoReacciones& r = e.Reacciones;
    ASSERT_TRUE(r.envolvente);
    // Single loads and factors: 1e-6 Tn.
    EXPECT_NEAR(r.R1Factorizada, 18.0, 1e-6);
    EXPECT_NEAR(r.J.max, 18.3825, 1e-6);
    EXPECT_EQ(r.J.vivasMax, (ZonasVivas{true, true, false}));
    EXPECT_NEAR(r.J.min, 10.8175, 1e-6);
    EXPECT_EQ(r.J.vivasMin, (ZonasVivas{false, false, true}));
    EXPECT_NEAR(r.K.max, 18.3825, 1e-6);
    EXPECT_EQ(r.K.vivasMax, (ZonasVivas{false, true, true}));
    EXPECT_NEAR(r.K.min, 10.8175, 1e-6);
    EXPECT_EQ(r.K.vivasMin, (ZonasVivas{true, false, false}));
    // Without live load the extremes are the reactions themselves.
    const PasoReacciones m =
        Viga(8, 1.5f, 6.5f, {Distribuida(0, 8, 2, 2, Muerta)}).Analizar(kReglas).Reacciones;
    EXPECT_EQ(m.J.max, m.R1Factorizada);
    EXPECT_EQ(m.K.min, m.R2Factorizada);
    EXPECT_EQ(m.J.vivasMax, (ZonasVivas{false, false, false}));
}

// Supports at 1.5 and 6.5 of an 8 m beam, no self weight, factored loads.
// (a) Live 10 Tn at both tips: 1.7 x 10 x 1.5 = 25.5 Tn.m hogging over the
//     whole span, against 1.4 x 0.5 x 25 / 8 = 2.19 of sagging from a dead
//     0.5 Tn/m: the all-loaded beam hogs everywhere between the supports.
// (b) Dead 10 Tn at the tips (21 Tn.m hogging) and live 5 Tn/m on the span
//     (1.7 x 5 x 25 / 8 = 26.56 sagging at midspan): loaded, the middle sags;
//     with the live load off the span hogs all over.
TEST(Alternancia, TramoEnteroEnMomentoNegativo) {
    VigaPrueba v =
        Viga(8, 1.5f, 6.5f,
             {Puntual(0, 10, Viva), Puntual(8, 10, Viva), Distribuida(0, 8, 0.5f, 0.5f, Muerta)});
    const ResultadoAnalisis a = v.Analizar(kReglas);
    EXPECT_TRUE(a.Envolvente.tramoNegativo);
    EXPECT_EQ(a.Envolvente.vivasTramoNegativo, (ZonasVivas{true, false, true}));
    // A moment of -2 Tn.m at the right tip sags the end of that cantilever;
    // the span still hogs (25.5 - 2 over K), and only the span counts.
    v.datos.cargas.push_back(Momento(8, -2, Muerta));
    const ResultadoAnalisis d = v.Analizar(kReglas);
    ASSERT_GT(d.MomentoPosMax, 1.0f);
    ASSERT_GT(d.Posiciones.MomentoPosMax, 6.5f);
    EXPECT_TRUE(d.Envolvente.tramoNegativo);

    const ResultadoAnalisis b =
        Viga(8, 1.5f, 6.5f,
             {Puntual(0, 10, Muerta), Puntual(8, 10, Muerta), Distribuida(1.5f, 5, 5, 5, Viva)})
            .Analizar(kReglas);
    EXPECT_GT(b.MomentoPosMax, 5.0f);
    EXPECT_TRUE(b.Envolvente.tramoNegativo);
    EXPECT_EQ(b.Envolvente.vivasTramoNegativo, (ZonasVivas{false, false, false}));

    // A light tip load leaves the span sagging in every arrangement.
    const ResultadoAnalisis c =
        Viga(8, 1.5f, 6.5f, {Puntual(0, 1, Viva), Distribuida(1.5f, 5, 5, 5, Muerta)})
            .Analizar(kReglas);
    EXPECT_FALSE(c.Envolvente.tramoNegativo);
}

// On beams with cantilevers the beam seen from its other end (downward loads)
// has the same extreme moments, governed by the mirrored arrangement. (The cut
// of a live load at the supports is pinned piece by piece in RepartoPorZonas.)
TEST(Alternancia, VigaEspejo) {
    Azar h{std::mt19937{8082026}};
    for (int n = 0; n < 40; ++n) {
        SCOPED_TRACE("viga " + std::to_string(n));
        const VigaPrueba v = VigaAleatoria(h, true, true);
        const float L = v.datos.longitud;
        const ResultadoAnalisis e = v.Analizar(kReglas), m = Espejo(v).Analizar(kReglas);
        const ExtremosEnvolvente &c = e.Envolvente.Extremos, &d = m.Envolvente.Extremos;
        auto espejo = [](ZonasVivas z) { return ZonasVivas{z[2], z[1], z[0]}; };
        // Sampled a centimetre apart near the ends, hence 1 % on the values.
        if (c.MomentoPosMax.valor > 0.1f) {  // the cantilevers may leave no sagging
            EXPECT_NEAR(c.MomentoPosMax.valor, d.MomentoPosMax.valor,
                        0.01f * c.MomentoPosMax.valor);
            EXPECT_EQ(c.MomentoPosMax.vivas, espejo(d.MomentoPosMax.vivas));
            EXPECT_NEAR(c.MomentoPosMax.x, L - d.MomentoPosMax.x, 0.05f * L);
        }
        EXPECT_NEAR(c.MomentoNegMax.valor, d.MomentoNegMax.valor,
                    0.03f * std::fabs(c.MomentoNegMax.valor) + 1e-3f);
    }
}

}  // namespace
}  // namespace korvex::pruebas
