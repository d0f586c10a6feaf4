// The ACI 318-19 rules against published worked examples and hand
// calculations, each through the step of the core that uses them.
#include <gtest/gtest.h>

#include <cmath>

#include "Casos.h"
#include "design/DisenoCortante.h"
#include "design/DisenoFlexion.h"
#include "design/Reglas.h"

namespace korvex::pruebas {
namespace {

const ReglasDiseno& kAci = ReglasPorClave(kReglasAci318);

// 1 in2 = 6.4516 cm2; 1 ft.kip = 0.138255 Tn.m; 1 kip/ft = 1.48816 Tn/m.
constexpr double kIn2 = 6.4516;
constexpr double kFtKip = 0.138255;
constexpr double kKipPorPie = 1.48816;

// The simple-span verification problem of US design texts: 10 ft span,
// b = 10 in, d = 13.5 in, f'c = 4000 psi (281.2 Kgr/cm2), fy = 60 ksi
// (4218 Kgr/cm2). By hand in psi: Rn = Mu / (0.9 b d^2),
// rho = 0.85 f'c / fy (1 - sqrt(1 - 2 Rn / (0.85 f'c))), As = rho b d.
//  - wu = 9.736 kip/ft: Mu = 121.7 ft.kip, Rn = 890.4 psi, rho = 0.017562,
//    As = 2.371 in2 (15.30 cm2); a = 4.184 in, c = a / 0.85 = 4.922 in,
//    eps_t = 0.003 (13.5 - 4.922) / 4.922 = 0.00523 >= eps_ty + 0.003 =
//    4218 / 2040000 + 0.003 = 0.00507: tension-controlled, phi = 0.90.
//  - D = 56 and L = 35 ft.kip: Mu = 1.2 x 56 + 1.6 x 35 = 123.2 ft.kip
//    (1.4 x 56 = 78.4 does not govern), Rn = 901.3 psi, rho = 0.017825,
//    As = 2.406 in2 (15.52 cm2). On the 10 ft span: wD = 8 x 56 / 100 =
//    4.48 kip/ft and wL = 2.8 kip/ft.
TEST(Aci318Flexion, ProblemaDeVerificacionDeDiezPies) {
    const DatosFlexion p{281.2, 4218, 34.29f, 6};
    const float b = 25.4f;
    PasoFlexion x;
    const ResultadoFlexion r =
        FlexionRectangular(kAci, static_cast<float>(121.7 * kFtKip * 1e5), b, p, 0, &x);
    ASSERT_TRUE(r.suficiente);
    EXPECT_NEAR(r.As, 2.371 * kIn2, 0.03);
    EXPECT_EQ(r.Asc, 0);
    EXPECT_FALSE(x.dobleArmado);
    EXPECT_NEAR(x.epsTSimple, 0.00523, 0.00002);
    EXPECT_DOUBLE_EQ(kAci.PhiFlexion(x.epsTSimple, 4218), 0.90);

    // The second case from the loads: the analysis envelopes 1.4 D and
    // 1.2 D + 1.6 L, and the larger one is designed.
    DatosViga v;
    v.longitud = 3.048f;
    v.apoyos = {0, 3.048f};
    const float wD = static_cast<float>(4.48 * kKipPorPie), wL = static_cast<float>(2.8 * kKipPorPie);
    v.cargas = {{TipoCarga::Distribuida, CategoriaCarga::Muerta, 0, 3.048f, 0, wD, wD, 3.048f},
                {TipoCarga::Distribuida, CategoriaCarga::Viva, 0, 3.048f, 0, wL, wL, 3.048f}};
    PropiedadesSeccion sinPeso;
    sinPeso.inercia = 1;
    sinPeso.modulo = 1;
    const ResultadoAnalisis a = AnalizarViga(v, sinPeso, kAci);
    EXPECT_NEAR(a.MomentoPosMax, 123.2 * kFtKip, 0.002);
    const ResultadoFlexion r2 = FlexionRectangular(
        kAci, static_cast<float>(a.MomentoPosMax * 1e5), b, p, 0, nullptr);
    EXPECT_NEAR(r2.As, 2.406 * kIn2, 0.03);
    // Under the classic rules the same loads give 1.4 x 56 + 1.7 x 35 =
    // 137.9 ft.kip.
    EXPECT_NEAR(AnalizarViga(v, sinPeso, ReglasPorClave(kReglasClasicas)).MomentoPosMax,
                137.9 * kFtKip, 0.003);
}

// phi by Table 21.2.2 for fy = 4200 (eps_ty = 4200 / 2040000 = 0.0020588):
// eps_t = 0.004 gives 0.65 + 0.25 (0.004 - 0.0020588) / 0.003 = 0.81176.
//
// A section whose singly reinforced strain falls in the transition zone:
// b = 25, d = 45, d' = 5, f'c = 210, fy = 4200, Mu = 0.24 x 0.9 x 210 x 25 x
// 45^2 = 2296350 Kgr.cm (Rn = 0.24). Without compression steel
// omega = 0.85 (1 - sqrt(1 - 0.24/0.425)) = 0.28117, a = 14.885 cm,
// c = 17.512 cm, eps_t = 0.003 (45 - 17.512) / 17.512 = 0.004495: between
// 0.004 and 0.005059, so compression steel keeps it tension-controlled.
// eps_t,lim = 0.0050588, k = 0.003 / 0.0080588 = 0.37226, qmax = 0.31642,
// Rn,max = 0.85 x 0.31642 (1 - 0.15821) = 0.22641,
// phi Mn1 = 0.9 x 210 x 25 x 45^2 x 0.22641 = 2166293, M2 = 130057;
// eps's = 0.003 - (5/45)(0.0050588 + 0.003) = 0.0021046 > eps_y: f's = fy;
// A's = 130057 / (0.9 (4200 - 178.5) 40) = 0.8983 cm2,
// As = 130057 / (4200 x 0.9 x 40) + 0.85 x 0.31642 x 210 x 25 x 45 / 4200
//    = 0.8602 + 15.1290 = 15.989 cm2.
TEST(Aci318Flexion, PhiPorDeformacionYAceroDeCompresionEnLaZonaDeTransicion) {
    EXPECT_NEAR(kAci.PhiFlexion(0.004, 4200), 0.81176, 1e-5);
    EXPECT_DOUBLE_EQ(kAci.PhiFlexion(0.0051, 4200), 0.90);
    EXPECT_DOUBLE_EQ(kAci.PhiFlexion(0.0015, 4200), 0.65);
    EXPECT_NEAR(kAci.DeformacionLimite(4200), 0.0050588, 1e-7);
    // The design takes phi at its own strain limit, held in Single.
    for (double fy : {2800.0, 4200.0, 4218.0, 5000.0}) {
        EXPECT_DOUBLE_EQ(kAci.PhiFlexion(kAci.DeformacionLimite(fy), fy), 0.90) << fy;
    }

    const DatosFlexion p{210, 4200, 45, 5};
    PasoFlexion x;
    const ResultadoFlexion r = FlexionRectangular(kAci, 2296350.0f, 25, p, 0, &x);
    ASSERT_TRUE(r.suficiente);
    EXPECT_TRUE(x.dobleArmado);
    EXPECT_NEAR(x.epsTSimple, 0.004495, 0.000002);
    EXPECT_NEAR(RnMaximo(kAci, 210, 4200), 0.22641, 0.00001);
    EXPECT_NEAR(x.fsCompresion, 4200, 1e-3);
    EXPECT_NEAR(r.Asc, 0.8983, 0.002);
    EXPECT_NEAR(r.As, 15.989, 0.005);
}

// The web of a T beyond its strain limit as a rectangle of width bw:
// bf = 60, hf = 10, bw = 25, d = 45, f'c = 210, fy = 4200, Mu = 40 Tn.m.
// Asf = 0.85 x 210 x 10 x 35 / 4200 = 14.875 cm2,
// phi Mnf = 0.9 x 14.875 x 4200 x 40 = 2249100, Mw = 1750900,
// Rnw = 1750900 / (0.9 x 210 x 25 x 2025) = 0.18299 <= 0.22641: singly,
// omega_w = 0.85 (1 - sqrt(1 - 0.18299/0.425)) = 0.20859,
// Asw = 0.20859 x 210 / 4200 x 25 x 45 = 11.733; As = 26.608 cm2.
// At Mu = 46 Tn.m: Mw = 2350900, Rnw = 0.24570 > 0.22641: phi Mn1 =
// 2166293 (as above), M3 = 184607, As3 = 184607 / (0.9 x 4200 x 40) =
// 1.2210, A's = 184607 / (0.9 x 4021.5 x 40) = 1.2751,
// As = 14.875 + 15.129 + 1.221 = 31.225 cm2.
TEST(Aci318Flexion, AlmaDeUnaTComoRectangulo) {
    const DatosFlexion p{210, 4200, 45, 5};
    PasoFlexion x;
    const ResultadoFlexion r = FlexionT(kAci, 4000000.0f, 60, 25, 10, p, 0, &x);
    EXPECT_NEAR(x.Asf, 14.875, 1e-3);
    EXPECT_NEAR(x.Rnw, 0.18299, 1e-5);
    EXPECT_FALSE(x.dobleArmado);
    EXPECT_NEAR(r.As, 26.608, 0.005);
    const ResultadoFlexion d = FlexionT(kAci, 4600000.0f, 60, 25, 10, p, 0, &x);
    EXPECT_TRUE(x.dobleArmado);
    EXPECT_NEAR(x.As3, 1.2210, 0.001);
    EXPECT_NEAR(d.Asc, 1.2751, 0.001);
    EXPECT_NEAR(d.As, 31.225, 0.005);
}

// 9.6.1.2: f'c = 210, fy = 4200, d = 40, bw = 25: 0.80 x 14.4914 x 25 x 40 /
// 4200 = 2.760 against 14 x 25 x 40 / 4200 = 3.333, which governs. A flange
// in tension of bf = 80: width min(2 x 25, 80) = 50 (R9.6.1.2), 6.667 cm2;
// with bf = 40 the flange itself, 5.333. A flange in compression keeps bw.
TEST(Aci318AceroMinimo, AnchoDelAlmaYDelAlaEnTraccion) {
    const AceroMinimoRegla r = kAci.AceroMinimo(false, 210, 4200, 40, 25, 25);
    EXPECT_NEAR(r.primero, 2.760, 0.001);
    EXPECT_NEAR(r.gobierna, 3.3333, 0.0001);
    EXPECT_NEAR(kAci.AceroMinimo(true, 210, 4200, 40, 25, 80).gobierna, 6.6667, 0.0001);
    EXPECT_NEAR(kAci.AceroMinimo(true, 210, 4200, 40, 25, 40).gobierna, 5.3333, 0.0001);
    EXPECT_FLOAT_EQ(kAci.AnchoAceroMinimoAla(25, 60), 25);
    // f'c = 420: 0.80 x 20.494 = 16.4 > 14, the first value governs.
    EXPECT_GT(kAci.AceroMinimo(false, 420, 4200, 40, 25, 25).primero,
              kAci.AceroMinimo(false, 420, 4200, 40, 25, 25).segundo);
}

// Table 22.5.5.1 by hand, bw = 30, f'c = 280 (sqrt = 16.7332):
//  - d = 50, with minimum stirrups, rho_w = 0.003: (a) 0.53 x 25099.8 =
//    13302.9 against (b) 2.1 x 0.14422 x 25099.8 = 7602.0: (a) governs;
//    rho_w = 0.03: (b) 2.1 x 0.31072 x 25099.8 = 16378.1 governs.
//  - d = 70, without them, rho_w = 0.01 (As = 21 cm2): lambda_s =
//    sqrt(2 / (1 + 0.004 x 700)) = 0.72548, Vc = 2.1 x 0.72548 x 0.21544 x
//    35139.7 = 11533.8 Kgr; no stirrups up to min(0.75 x 0.265 x 35139.7,
//    0.75 x 11533.8) = min(6984.0, 8650.4) = 6984.0 Kgr (9.6.3.1).
//  - The cap 1.33 sqrt(f'c) bw d = 33382.7 at d = 50 holds rho_w = 0.5.
TEST(Aci318Cortante, CadaFilaDeLaTabla) {
    const CortanteConcreto a = kAci.Vc(280, 30, 50, 4.5f, true);
    EXPECT_EQ(a.expresion, 0);
    EXPECT_NEAR(a.Vc, 13302.9, 0.5);
    const CortanteConcreto b = kAci.Vc(280, 30, 50, 45, true);
    EXPECT_EQ(b.expresion, 1);
    EXPECT_NEAR(b.Vc, 16378.1, 0.5);
    const CortanteConcreto c = kAci.Vc(280, 30, 70, 21, false);
    EXPECT_EQ(c.expresion, 2);
    EXPECT_NEAR(c.lambdaS, 0.72548, 1e-5);
    EXPECT_NEAR(c.Vc, 11533.8, 0.5);
    EXPECT_NEAR(kAci.VuSinEstribos(c.Vc, 280, 30, 70), 6984.0, 0.5);
    // A shallow web: lambda_s = 1 up to d = 250 mm.
    EXPECT_FLOAT_EQ(kAci.Vc(280, 30, 25, 7.5f, false).lambdaS, 1);
    const CortanteConcreto tope = kAci.Vc(280, 30, 50, 750, true);
    EXPECT_TRUE(tope.tope);
    EXPECT_NEAR(tope.Vc, 33382.7, 0.5);
    // phi, the section limit 2.1 and the band 1.06 sqrt(f'c) bw d.
    EXPECT_DOUBLE_EQ(kAci.PhiCortante(), 0.75);
    EXPECT_NEAR(kAci.VsMaximo(280, 30, 50), 2.1 * 25099.8, 1);
    EXPECT_NEAR(kAci.Banda(0, 280, 30, 50).VsBanda, 1.06 * 25099.8, 1);
}

// Stirrups of two 3/8" legs (0.7126 cm2) over bw = 30 in f'c = 350 and fy =
// 5000: fyt is held at 4200 (20.2.2.4) and the minimum stirrup takes
// max(0.2 x 18.7083, 3.5) = 3.7417 (9.6.3.4): s = 2 x 0.7126 x 4200 /
// (3.7417 x 30) = 53.33 cm, then d/2 = 25 governs at d = 50.
// Through the design, Vu = 20 Tn at the support of a simple beam (bottom
// steel 10 cm2, rho_w = 0.006667, cube root 0.18821): without stirrups
// lambda_s = sqrt(2 / 3) = 0.8165 (d = 500 mm), Vc = 2.1 x 0.8165 x 0.18821
// x 28062.4 = 9056.0, no stirrups only up to min(0.75 x 0.265 x 28062.4,
// 0.75 x 9056.0) = 5577.4 Kgr: stirrups go; with them Vc =
// max(0.53, 2.1 x 0.18821) x 28062.4 = 14873.1 Kgr (row a),
// Vs = 20000 / 0.75 - 14873.1 = 11793.6 <= 1.06 x 28062.4 = 29746: d/2;
// strength 2 x 0.7126 x 4200 x 50 / 11793.6 = 25.38 cm; "3/8@25".
TEST(Aci318Cortante, EstribosConFytLimitadoYEstriboMinimo) {
    EXPECT_DOUBLE_EQ(kAci.FyEstribo(5000), 4200);
    EXPECT_DOUBLE_EQ(kAci.FyEstribo(2800), 2800);
    EXPECT_NEAR(kAci.SeparacionEstriboMinimo(0.7126f, 350, 4200, 30), 53.33, 0.01);
    EXPECT_NEAR(kAci.SeparacionEstriboMinimo(0.7126f, 210, 4200, 30), 57.01, 0.01);

    Caso c = Rect(30, 55, 5, 350, 5000);
    c.a.CortanteMaxAbs = 20;
    c.a.NumEstaciones = 2;
    c.a.DiagX = {0, 0, 3};
    c.a.DiagMomento = {0, 0, -5};
    c.r.AsTraccionPos = 10;
    c.r.AsTraccionNeg = 40;  // not at the section of the largest shear
    InterfazRegistro ui("3/8");
    DisenoCortante(c.r, c.a, c.s, c.d(), kAci, ui);
    const PasoCortante& x = c.r.Pasos.cortante;
    EXPECT_TRUE(x.AsPositivo);
    EXPECT_NEAR(x.VcSin.Vc, 9056.0, 0.5);
    EXPECT_NEAR(x.phiVcMedio, 5577.4, 0.5);
    EXPECT_NEAR(x.VcCon.rhoW, 10.0 / 1500, 1e-6);
    EXPECT_EQ(x.VcCon.expresion, 0);
    EXPECT_NEAR(x.Vc, 14873.1, 0.5);
    EXPECT_NEAR(x.Vs, 11793.6, 0.5);
    EXPECT_DOUBLE_EQ(x.fyt, 4200);
    EXPECT_EQ(c.r.txtEstribos, "3/8@25");
}

// The reactions over the live-load arrangements under both combinations of
// 5.3.1: span 4.5 m (J = 0, K = 4.5) and a right cantilever of 1.5 m, dead
// 3 Tn/m and live 0.2 Tn/m all along. A uniform w on the span gives w 4.5/2
// at each support; on the cantilever -w 1.5 x 0.75 / 4.5 = -0.25 w at J and
// w 1.5 x 5.25 / 4.5 = 1.75 w at K. Dead: J 6.0, K 12.0; live on the span:
// 0.45 and 0.45; on the cantilever: -0.05 and 0.35.
// 1.4 D: J 8.4, K 16.8. 1.2 D + 1.6 L: J from 7.2 - 0.08 = 7.12 to
// 7.2 + 0.72 = 7.92, K from 14.4 to 14.4 + 1.28 = 15.68.
// Envelope: J 7.12 .. 8.4, K 14.4 .. 16.8 (each combination with its own
// arrangements; 1.4 D carries no live load to arrange).
TEST(Aci318Cargas, ReaccionesDeLasDosCombinacionesConAlternancia) {
    DatosViga v;
    v.longitud = 6;
    v.apoyos = {0, 4.5f};
    v.opciones.alternancia = true;
    v.cargas = {{TipoCarga::Distribuida, CategoriaCarga::Muerta, 0, 6, 0, 3, 3, 6},
                {TipoCarga::Distribuida, CategoriaCarga::Viva, 0, 6, 0, 0.2f, 0.2f, 6}};
    PropiedadesSeccion sinPeso;
    sinPeso.inercia = 1;
    sinPeso.modulo = 1;
    const PasoReacciones r = AnalizarViga(v, sinPeso, kAci).Reacciones;
    ASSERT_TRUE(r.envolvente);
    EXPECT_NEAR(r.J.max, 8.4, 1e-4);
    EXPECT_NEAR(r.J.min, 7.12, 1e-4);
    EXPECT_NEAR(r.K.max, 16.8, 1e-4);
    EXPECT_NEAR(r.K.min, 14.4, 1e-4);
    // The smallest at J loads the cantilever only.
    EXPECT_EQ(r.J.vivasMin, (ZonasVivas{false, false, true}));
}

// The moment envelope takes each combination with its own arrangements.
// Span 4.5 m, right cantilever 1.5 m, dead 3 Tn/m all along, live 0.5 Tn/m
// on the span and 3 Tn/m on the cantilever. With w on the span and wc on the
// cantilever RJ = 2.25 w - 0.25 wc and the largest sagging moment is
// RJ^2 / (2 w).
//  - 1.4 D: w = wc = 4.2, RJ = 8.4, M = 8.4 Tn.m.
//  - 1.2 D + 1.6 L, all loaded: w = 4.4, wc = 8.4, RJ = 7.8, M = 6.914: at
//    mid-span 1.4 D governs the all-loaded beam.
//  - 1.2 D + 1.6 L, cantilever live load off: wc = 3.6, RJ = 9.0,
//    M = 81 / 8.8 = 9.2045 Tn.m at x = 9.0 / 4.4 = 2.045 m: the design moment.
TEST(Aci318Cargas, MomentoDeLaEnvolventeConLaCombinacionDeCadaArreglo) {
    DatosViga v;
    v.longitud = 6;
    v.apoyos = {0, 4.5f};
    v.opciones.alternancia = true;
    v.cargas = {{TipoCarga::Distribuida, CategoriaCarga::Muerta, 0, 6, 0, 3, 3, 6},
                {TipoCarga::Distribuida, CategoriaCarga::Viva, 0, 4.5f, 1.5f, 0.5f, 0.5f, 4.5f},
                {TipoCarga::Distribuida, CategoriaCarga::Viva, 4.5f, 1.5f, 0, 3, 3, 6}};
    PropiedadesSeccion sinPeso;
    sinPeso.inercia = 1;
    sinPeso.modulo = 1;
    const ResultadoAnalisis a = AnalizarViga(v, sinPeso, kAci);
    EXPECT_NEAR(a.MomentoPosMax, 9.2045, 1e-3);
    EXPECT_NEAR(a.Posiciones.MomentoPosMax, 2.045, 0.01);
    EXPECT_EQ(a.Envolvente.Extremos.MomentoPosMax.vivas, (ZonasVivas{false, true, false}));
    // Index 1 of the rules' list: 1.2 D + 1.6 L gives the design moment.
    EXPECT_EQ(a.Envolvente.Extremos.MomentoPosMax.combinacion, 1);
    EXPECT_EQ(a.Gobierna.MomentoPosMax, 1);
}

}  // namespace
}  // namespace korvex::pruebas
