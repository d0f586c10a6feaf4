// The classic design rules against hand calculations of small cases, and the
// registry of the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Casos.h"
#include "analysis/AnalizadorViga.h"
#include "design/Deflexion.h"
#include "design/DisenarViga.h"
#include "design/Reglas.h"
#include "model/Estado.h"

using namespace korvex;

namespace {

const ReglasDiseno& kReglas = ReglasPorClave(kReglasClasicas);

// A simply supported beam of span L (m) without self weight.
EstadoProyecto Simple(float L) {
    EstadoProyecto e;
    e.LuzViga = L;
    e.DistJ = 0;
    e.DistK = L;
    e.ModuloElasticidad = 1;
    e.InerciaSeccion = 1;
    return e;
}

Carga Uniforme(float L, float w, float categoria) {
    return {0, L, 0, w, w, L, kDistribuida, categoria};
}

// sqrt(210) by hand: 14.4914 (14.4914^2 = 210.0007).
constexpr double kRaiz210 = 14.4914;

}  // namespace

TEST(ReglasClasicas, RegistradasPorSuClave) {
    const std::vector<std::string_view> claves = ClavesReglas();
    EXPECT_NE(std::find(claves.begin(), claves.end(), "clasica"), claves.end());
    EXPECT_EQ(kReglas.Clave(), "clasica");
    EXPECT_THROW(ReglasPorClave("aci-318-19"), std::invalid_argument);
}

TEST(ReglasClasicas, CargaFactorizadaDeUnaVivaYUnaMuerta) {
    // 4 m span, dead 2 Tn/m and live 1 Tn/m all along: the factored load
    // 1.4 x 2 + 1.7 x 1 = 4.5 Tn/m gives M = 4.5 x 4^2 / 8 = 9 Tn.m at
    // midspan and reactions of 4.5 x 4 / 2 = 9 Tn; in service 3 Tn/m gives
    // 6 Tn.m and 6 Tn.
    EstadoProyecto e = Simple(4);
    AgregarCarga(e, Uniforme(4, 2, kMuerta));
    AgregarCarga(e, Uniforme(4, 1, kViva));
    const AnalizadorViga viga(pruebas::DatosDe(e), PropiedadesDe(e), kReglas);
    const ResultadoPunto r = viga.Evaluar(2);
    EXPECT_NEAR(r.MomentoIzq, -9.0, 1e-5);  // analysis sign: sagging negative
    EXPECT_NEAR(r.MomentoServicio, -6.0, 1e-5);
    const PasoReacciones q = viga.Reacciones();
    EXPECT_NEAR(q.R1Factorizada, 9.0, 1e-5);
    EXPECT_NEAR(q.R2Servicio, 6.0, 1e-5);

    // "Otros" are taken as given, the self weight with the dead-load factor.
    ASSERT_EQ(kReglas.CombinacionesResistencia().size(), 1u);
    const CombinacionCargas u = kReglas.CombinacionesResistencia()[0];
    EXPECT_NEAR(u.Factor(kOtros), 1.0, 1e-12);
    EXPECT_NEAR(u.pesoPropio, 1.4, 1e-12);
    const CombinacionCargas s = kReglas.CombinacionServicio();
    for (float c : {kViva, kMuerta, kOtros}) EXPECT_EQ(s.Factor(c), 1.0);
}

TEST(ReglasClasicas, FactoresDeReduccionYFlexion) {
    EXPECT_NEAR(kReglas.PhiFlexion(0.005, 4200), 0.90, 1e-12);
    EXPECT_NEAR(kReglas.PhiCortante(), 0.85, 1e-12);
    // beta1 = 0.85 - (350 - 280) / 1400 = 0.80; 0.85 at or below 280 and
    // never under 0.65.
    EXPECT_NEAR(kReglas.Beta1(350), 0.80, 1e-6);
    EXPECT_NEAR(kReglas.Beta1(210), 0.85, 1e-6);
    EXPECT_NEAR(kReglas.Beta1(700), 0.65, 1e-6);
    // eps_s,lim = 0.001 + 4/3 x 4200 / 2,040,000 = 0.0037451.
    EXPECT_NEAR(kReglas.DeformacionLimite(4200), 0.0037451, 1e-7);
    // The minimum steel of a 25 x 40 zone, f'c 210, fy 4200: the larger of
    // 0.8 x 14.4914 x 25 x 40 / 4200 = 2.7603 and 14.5 x 25 x 40 / 4200 = 3.4524.
    const AceroMinimoRegla a = kReglas.AceroMinimo(false, 210, 4200, 40, 25, 25);
    EXPECT_NEAR(a.primero, 2.7603, 1e-3);
    EXPECT_NEAR(a.segundo, 3.4524, 1e-3);
    EXPECT_EQ(a.gobierna, a.segundo);
    // Flange of 60 in tension over a web of 25: 1.6 x 14.4914 x 25 x 40 / 4200
    // = 5.5205 and 0.8 x 14.4914 x 60 x 40 / 4200 = 6.6246.
    const AceroMinimoRegla t = kReglas.AceroMinimo(true, 210, 4200, 40, 25, 60);
    EXPECT_NEAR(t.primero, 5.5205, 1e-3);
    EXPECT_NEAR(t.gobierna, 6.6246, 1e-3);
}

TEST(ReglasClasicas, CortanteDeUnaSeccionAMano) {
    // 25 x 40, f'c 210: Vc = 0.55 x 14.4914 x 25 x 40 = 7970.3 Kgr,
    // phi Vc / 2 = 0.85 x 7970.3 / 2 = 3387.4, Vs,max = 2.1 x 14491.4 = 30432.
    const float Vc = kReglas.Vc(210, 25, 40, 0, true).Vc;
    EXPECT_NEAR(Vc, 0.55 * kRaiz210 * 1000, 0.5);
    EXPECT_NEAR(kReglas.VuSinEstribos(Vc, 210, 25, 40), 3387.4, 0.5);
    EXPECT_NEAR(kReglas.VsMaximo(210, 25, 40), 2.1 * kRaiz210 * 1000, 1.0);

    // The band limit 1.1 x 14491.4 = 15940.5 Kgr: below it s <= d/2 (20 cm),
    // above it s <= d/4 (10 cm).
    const BandaEstribos abierta = kReglas.Banda(15500, 210, 25, 40);
    EXPECT_NEAR(abierta.VsBanda, 1.1 * kRaiz210 * 1000, 1.0);
    EXPECT_FALSE(abierta.cerrada);
    EXPECT_FLOAT_EQ(abierta.smax, 20);
    const BandaEstribos cerrada = kReglas.Banda(16000, 210, 25, 40);
    EXPECT_TRUE(cerrada.cerrada);
    EXPECT_FLOAT_EQ(cerrada.smax, 10);
    // A deep web, d = 140 cm: the caps of 60 and 30 cm govern.
    EXPECT_FLOAT_EQ(kReglas.Banda(0, 210, 25, 140).smax, 60);
    EXPECT_FLOAT_EQ(kReglas.Banda(1e6f, 210, 25, 140).smax, 30);
    // Minimum stirrups of two 3/8" legs (0.7126 cm2) in fy 4200 over 25 cm:
    // s = 2 x 0.7126 x 4200 / (3.5 x 25) = 68.41 cm.
    EXPECT_NEAR(kReglas.SeparacionEstriboMinimo(0.7126f, 210, 4200, 25), 68.41, 0.01);
}

TEST(ReglasClasicas, DeflexionesAMano) {
    // Limits: l/180, l/360, l/480 and l/240; 9.6 m in use 3 is 0.02 m.
    EXPECT_FLOAT_EQ(DeflexionAdmisible(kReglas, 9.6f, 3), 0.020f);
    EXPECT_FLOAT_EQ(DeflexionAdmisible(kReglas, 7.2f, 2), 0.020f);
    EXPECT_FLOAT_EQ(DeflexionAdmisible(kReglas, 3.6f, 1), 0.020f);
    EXPECT_FLOAT_EQ(DeflexionAdmisible(kReglas, 4.8f, 4), 0.020f);
    EXPECT_EQ(DeflexionAdmisible(kReglas, 9.6f, 5), 0.0f);
    EXPECT_FALSE(kReglas.UsoLargoPlazo(2));
    EXPECT_TRUE(kReglas.UsoLargoPlazo(3));
    // A cantilever of 1.5 m is checked as a span of 3 m.
    EXPECT_FLOAT_EQ(kReglas.LuzVoladizo(1.5f), 3.0f);

    // fr = 2 x 14.4914 = 28.98 Kgr/cm2; Ec = 15100 x 14.4914 = 218,820.
    EXPECT_NEAR(kReglas.ModuloRotura(210), 2 * kRaiz210, 1e-3);
    EXPECT_NEAR(kReglas.ModuloConcreto(210), 15100 * kRaiz210, 2.0);
    // Branson with Mcr / Ma = 0.5: Ie = 0.125 x 1000 + 0.875 x 200 = 300 cm4;
    // an uncracked section keeps Ig.
    const InerciaEfectivaRegla ie = kReglas.InerciaEfectiva(50, 100, 1000, 200);
    EXPECT_FLOAT_EQ(ie.relacion, 0.5f);
    EXPECT_NEAR(ie.Ie, 300, 1e-9);
    EXPECT_EQ(kReglas.InerciaEfectiva(150, 100, 1000, 200).Ie, 1000);
    // lambda = 2 / (1 + 50 x 0.01) = 1.3333.
    EXPECT_NEAR(kReglas.FactorLargoPlazo(0.01), 4.0 / 3.0, 1e-6);
}

TEST(ReglasClasicas, AvisosDelCodigo) {
    // Deep member below a clear span of 5 d or a point load nearer than 2.5 d.
    EXPECT_FALSE(kReglas.GranPeralte(5, 2.5f));
    EXPECT_TRUE(kReglas.GranPeralte(4.99f, 3));
    EXPECT_TRUE(kReglas.GranPeralte(6, 2.49f));
    // Side-face steel from d > 90: d = 120 gives s = min(20, 30) = 20 cm and
    // (120 - 75) x 0.1 x 20 / 100 = 0.9 cm2.
    EXPECT_FALSE(kReglas.AceroPiel(90).has_value());
    const std::optional<AceroLateral> piel = kReglas.AceroPiel(120);
    ASSERT_TRUE(piel.has_value());
    EXPECT_NEAR(piel->separacion, 20, 1e-9);
    EXPECT_NEAR(piel->area, 0.9, 1e-9);
    // Flange width: the smaller of L/4 (150 cm on 6 m) and 16 hf + bw (185).
    EXPECT_FLOAT_EQ(kReglas.AnchoAlaMaximo(true, 10, 25, 6), 150);
    EXPECT_FLOAT_EQ(kReglas.AnchoAlaMaximo(true, 5, 25, 6), 105);
    EXPECT_FLOAT_EQ(kReglas.AnchoAlaMaximo(false, 5, 25, 6), 150);
}

TEST(ReglasClasicas, TextosDeLaMemoria) {
    const TextoRegla vc = kReglas.Texto(Regla::Vc);
    EXPECT_EQ(Sustituir(vc.sustitucion, {{"raiz", "√210"}, {"bv", "25"}, {"d", "40"}}),
              "0.55 × √210 × 25 × 40");
    EXPECT_EQ(kReglas.TextoFactor(kViva), "1.7");
    EXPECT_EQ(kReglas.TextoFactor(kMuerta), "1.4");
    EXPECT_EQ(kReglas.TextoFactor(kOtros), "1.0");
    // A name used twice is replaced twice; an unknown one is left.
    EXPECT_EQ(Sustituir("{a} + {a} = {b}", {{"a", "1"}}), "1 + 1 = {b}");

    // The texts state what the rules compute, with the hand cases above: the
    // minimum steel of a flange of 60 in tension over a web of 25 (5.5205 and
    // 6.6246 cm2), Branson with Mcr / Ma = 0.5 (300 cm4) and lambda at
    // rho' = 0.01 (4/3).
    const TextoRegla ala1 = kReglas.Texto(Regla::AceroMinimoAlaTraccion1);
    const TextoRegla ala2 = kReglas.Texto(Regla::AceroMinimoAlaTraccion2);
    const std::vector<std::pair<std::string_view, std::string>> ala = {
        {"raiz", "√210"}, {"bw", "25"}, {"bf", "60"}, {"d", "40"}, {"fy", "4200"}};
    EXPECT_EQ(ala1.formula, "A_{s,mín1} = 1.6 √f'_{c} b_{w} d / f_{y}");
    EXPECT_EQ(Sustituir(ala1.sustitucion, ala), "1.6 × √210 × 25 × 40 / 4200");
    EXPECT_EQ(Sustituir(ala2.sustitucion, ala), "0.8 × √210 × 60 × 40 / 4200");
    const TextoRegla branson = kReglas.Texto(Regla::InerciaEfectiva);
    EXPECT_EQ(branson.formula,
              "I_{e} = (M_{cr}/M_{a})^{3} I_{g} + [1 − (M_{cr}/M_{a})^{3}] I_{cr} ≤ I_{g}");
    EXPECT_EQ(Sustituir(branson.sustitucion, {{"relacion", "0.5"}, {"Ig", "1000"}, {"Icr", "200"}}),
              "0.5^{3} × 1000 + (1 − 0.5^{3}) × 200");
    const TextoRegla lambda = kReglas.Texto(Regla::FactorLargoPlazo);
    EXPECT_EQ(lambda.formula, "λ = 2 / (1 + 50 ρ')");
    EXPECT_EQ(Sustituir(lambda.sustitucion, {{"rho", "0.01"}}), "2 / (1 + 50 × 0.01)");
}

// ACI 318-19, 5.3.1: U = 1.4 D and U = 1.2 D + 1.6 L, enveloped by the
// analysis station by station.
TEST(ReglasAci318, LaEnvolventeDeLasDosCombinacionesTomaLaMayorEnCadaEstacion) {
    const ReglasDiseno& reglas = ReglasPorClave(kReglasAci318);
    // 4 m span, dead 2 Tn/m over the whole span and live 3 Tn/m over the
    // right half. Left half: 1.4 x 2 = 2.8 against 1.2 x 2 + 1.6 x 3 = 7.2.
    // At x = 1 m: 1.4 D gives R1 = 5.6, V = 5.6 - 2.8 = 2.8 Tn and
    // M = 5.6 - 1.4 = 4.2 Tn.m; 1.2 D + 1.6 L gives R1 = 4.8 + 9.6 x 1 / 4
    // = 7.2 (the live 9.6 Tn at 3 m), V = 7.2 - 2.4 = 4.8 and
    // M = 7.2 - 1.2 = 6.0.
    EstadoProyecto e = Simple(4);
    AgregarCarga(e, Uniforme(4, 2, kMuerta));
    AgregarCarga(e, {2, 2, 0, 3, 3, 4, kDistribuida, kViva});
    const ResultadoPunto r =
        AnalizadorViga(pruebas::DatosDe(e), PropiedadesDe(e), reglas).Evaluar(1);
    EXPECT_NEAR(r.MomentoIzq, -6.0, 1e-5);
    EXPECT_NEAR(r.CortanteIzq, -4.8, 1e-5);
    // Without live load 1.4 D governs everywhere: M(2 m) = 2.8 x 16 / 8.
    EstadoProyecto d = Simple(4);
    AgregarCarga(d, Uniforme(4, 2, kMuerta));
    EXPECT_NEAR(AnalizadorViga(pruebas::DatosDe(d), PropiedadesDe(d), reglas).Evaluar(2).MomentoIzq,
                -5.6, 1e-5);

    // The sampled diagrams envelope the same way, station by station.
    const ResultadoAnalisis a = pruebas::Analizar(e, reglas);
    const std::size_t k = 101;  // x = 1.00 m
    ASSERT_NEAR(a.DiagX[k], 1.0, 1e-4);
    EXPECT_NEAR(a.DiagMomento[k], -6.0, 1e-3);
    EXPECT_NEAR(a.DiagCortante[k], 4.8, 1e-2);
    // The largest moment of 1.2 D + 1.6 L where V = 16.8 - 7.2 x = 0,
    // x = 7/3 m: M = 7.2 x - 1.2 x^2 - 2.4 (x - 2)^2 = 10.0 Tn.m.
    EXPECT_NEAR(a.MomentoPosMax, 10.0, 1e-3);
    // Dead load alone: 1.4 D governs, 2.8 x 16 / 8 = 5.6 Tn.m and V = 5.6 Tn.
    const ResultadoAnalisis b = pruebas::Analizar(d, reglas);
    EXPECT_NEAR(b.MomentoPosMax, 5.6, 1e-3);
    EXPECT_NEAR(b.CortanteMaxAbs, 5.6, 1e-3);
}
