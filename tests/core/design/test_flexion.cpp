#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Disenos.h"
#include "design/DisenoFlexion.h"

namespace korvex {
namespace {

using prueba::ConAla;
using prueba::Rectangular;
using prueba::Relativo;

// Steel areas to three significant figures.
void Area3(float valor, double esperado) {
    EXPECT_LT(Relativo(valor, esperado), 0.0051) << valor << " vs " << esperado;
}

// Runs the flexural design of case `c` for the factored moments M+ and M-.
bool Flexion(prueba::Caso& c, float Mpos, float Mneg, InterfazRegistro& ui) {
    c.e.MomentoPosMax = Mpos;
    c.e.MomentoNegMax = Mneg;
    return DisenoFlexion(c.e, c.s, c.m, ui);
}

// Textbook Rn,max: 0.85 q (1 - q/2), q = beta1 * 0.003 / (0.003 + 0.001 + 4/3 fy/Es).
double RnMaxLibro(double fc, double fy) {
    double b1 = std::clamp(0.85 - (fc - 280) / 1400, 0.65, 0.85);
    double k = 0.003 / (0.003 + 0.001 + 4.0 / 3.0 * fy / 2040000);
    double q = b1 * k;
    return 0.85 * q * (1 - q / 2);
}

TEST(DisenoFlexion, EjemploRectangular30x50Fc210Fy4200) {
    EXPECT_NEAR(DeformacionLimite(4200), 0.0037451, 1e-7);
    EXPECT_NEAR(0.003 / (0.003 + DeformacionLimite(4200)), 0.4448, 1e-4);  // k
    EXPECT_NEAR(RnMaximo(210, 4200), 0.2606, 1e-4);
    struct {
        float M;         // Tn.m, positive moment
        double As, Asc;  // cm2
    } casos[] = {
        {10, 6.22, 0},       // Rn = 0.0871, singly reinforced
        {1, 0.788, 0},       // required 0.591, 4/3 relief (Asmin = 4.66)
        {30, 21.7, 0.0541},  // Rn = 0.261 > Rn,max: doubly reinforced
        {0, 0, 0},           // no moment, no steel
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.M);
        prueba::Caso c = Rectangular(30, 50, 5);
        InterfazRegistro ui;
        ASSERT_TRUE(Flexion(c, k.M, 0, ui));
        EXPECT_TRUE(ui.mensajes.empty());
        Area3(c.e.AsTraccionPos, k.As);
        Area3(c.e.AsCompresionPos, k.Asc);
        EXPECT_EQ(c.e.AsTraccionNeg, 0);  // M- = 0
        EXPECT_EQ(c.e.AsCompresionNeg, 0);
        EXPECT_EQ(c.e.ComportamientoT, 1.0f);
    }
    // The same moments as hogging moments give the same steel on the other side.
    prueba::Caso c = Rectangular(30, 50, 5);
    InterfazRegistro ui;
    ASSERT_TRUE(Flexion(c, 0, -30, ui));
    Area3(c.e.AsTraccionNeg, 21.7);
    Area3(c.e.AsCompresionNeg, 0.0541);
    EXPECT_EQ(c.e.AsTraccionPos, 0);
}

TEST(DisenoFlexion, Beta1EnSusLimites) {
    struct {
        double fc;
        float b1;
    } casos[] = {{210, 0.85f},     {279, 0.85f}, {280, 0.85f}, {281, 0.849286f}, {350, 0.80f},
                 {559, 0.650714f}, {560, 0.65f}, {561, 0.65f}, {600, 0.65f}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fc);
        EXPECT_NEAR(Beta1(c.fc), c.b1, 2e-6);
    }
}

TEST(DisenoFlexion, CapacidadRn0425EnElLimite) {
    const DatosFlexion p{210, 4200, 45, 5};
    const double limite = 0.425 * 0.9 * 210 * 30 * 45 * 45;  // Kgr.cm at Rn/0.425 = 1
    const ResultadoFlexion en = FlexionRectangular(static_cast<float>(limite), 30, p, 4.66f);
    EXPECT_TRUE(en.suficiente);  // equality is not a failure
    EXPECT_TRUE(std::isfinite(en.As) && std::isfinite(en.Asc));
    EXPECT_GT(en.Asc, 0);  // far beyond Rn,max: doubly reinforced
    const ResultadoFlexion bajo = FlexionRectangular(static_cast<float>(limite * 0.9999), 30, p, 0);
    EXPECT_TRUE(bajo.suficiente);
    const ResultadoFlexion sobre =
        FlexionRectangular(static_cast<float>(limite * 1.00001), 30, p, 4.66f);
    EXPECT_FALSE(sobre.suficiente);
}

TEST(DisenoFlexion, RnMaximoSeparaArmaduraSimpleYDoble) {
    for (double fc : {210.0, 350.0, 600.0}) {
        for (double fy : {2800.0, 4200.0}) {
            SCOPED_TRACE(testing::Message() << fc << " " << fy);
            const double rnMax = RnMaxLibro(fc, fy);
            EXPECT_NEAR(RnMaximo(fc, fy), rnMax, 2e-6);
            const DatosFlexion p{fc, fy, 45, 5};
            const double Mlim = rnMax * 0.9 * fc * 30 * 45 * 45;  // Kgr.cm
            // Steel of the largest singly reinforced section: 0.85 qmax f'c/fy b d,
            // where 0.85 qmax = 0.85 (1 - sqrt(1 - Rn,max/0.425)).
            const double AsLim = 0.85 * (1 - std::sqrt(1 - rnMax / 0.425)) * fc / fy * 30 * 45;
            const auto bajo = FlexionRectangular(static_cast<float>(Mlim * 0.9999), 30, p, 0);
            const auto en = FlexionRectangular(static_cast<float>(Mlim), 30, p, 0);
            const auto sobre = FlexionRectangular(static_cast<float>(Mlim * 1.001), 30, p, 0);
            EXPECT_EQ(bajo.Asc, 0);
            EXPECT_LT(en.Asc, 1e-3);  // at the limit no compression steel to speak of
            EXPECT_GT(sobre.Asc, 0);
            // The tension steel is continuous across the limit.
            EXPECT_LT(Relativo(bajo.As, AsLim), 2e-4);
            EXPECT_LT(Relativo(en.As, AsLim), 2e-4);
            EXPECT_LT(Relativo(sobre.As, AsLim), 2e-3);
        }
    }
}

TEST(DisenoFlexion, AlivioCuatroTercios) {
    struct {
        float As, Asmin, esperado;
    } casos[] = {
        {2.0f, 3, 2.6666667f},  // 4/3 x 2.0
        {2.5f, 3, 3.0f},        // 4/3 x 2.5 exceeds Asmin
        {3.2f, 3, 3.2f},        // above Asmin: unchanged
        {2.25f, 3, 3.0f},       // 4/3 x 2.25 = Asmin
        {3.0f, 3, 3.0f},        // equal: unchanged
        {0, 3, 0},              // no moment keeps no steel
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.As);
        EXPECT_NEAR(AplicarAceroMinimo(c.As, c.Asmin), c.esperado, 1e-6);
    }
}

TEST(DisenoFlexion, AceroMinimoElMayorDelPar) {
    struct {
        double fc;
        float M;       // Tn.m, required As between 3/4 Asmin and Asmin
        double Asmin;  // cm2, b = 30, d = 45, fy = 4200
    } casos[] = {
        {210, 6.5f, 14.5 * 30 * 45 / 4200.0},      // 14.5 governs: 4.66
        {400, 7.0f, 0.8 * 20 * 30 * 45 / 4200.0},  // 0.8 sqrt(400) = 16 governs: 5.14
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.fc);
        prueba::Caso c = Rectangular(30, 50, 5, k.fc, 4200);
        InterfazRegistro ui;
        ASSERT_TRUE(Flexion(c, k.M, -k.M, ui));
        Area3(c.e.AsTraccionPos, k.Asmin);
        Area3(c.e.AsTraccionNeg, k.Asmin);
    }
}

TEST(DisenoFlexion, VigaTConBloqueEnElAlaYBajoElAla) {
    // bf = 60, hf = 10, bw = 25, hw = 40, cover 4: d = 46.
    struct {
        float M;      // Tn.m, positive (flange in compression)
        float compT;  // ComportamientoT
        double As, Asc;
    } casos[] = {
        // a = 2.31 cm < hf: rectangle bf; required 5.90, Asmin(bf) = 9.53 -> 4/3 x 5.90
        {10, 1.0f, 7.87, 0},
        // a > hf: T procedure, Asf = 14.875, Asw = 19.31, trial capacity enough
        {50, 2.0f, 34.2, 0},
        // beyond the trial capacity: compression steel
        {60, 2.0f, 45.9, 0.153},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.M);
        prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
        InterfazRegistro ui;
        ASSERT_TRUE(Flexion(c, k.M, 0, ui));
        EXPECT_EQ(c.e.ComportamientoT, k.compT);
        EXPECT_EQ(c.e.AnchoDiseno, 60);  // the flange check ran last
        Area3(c.e.AsTraccionPos, k.As);
        if (k.Asc == 0) {
            EXPECT_EQ(c.e.AsCompresionPos, 0);
        } else {
            EXPECT_LT(Relativo(c.e.AsCompresionPos, k.Asc), 0.01);
        }
    }
    // The negative moment compresses the web: width bw, Asmin the larger of
    // 1.6 sqrt(f'c) bw d / fy = 6.35 and 0.8 sqrt(f'c) bf d / fy = 7.62;
    // required 6.14 -> 4/3 gives 8.18 > 7.62.
    prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
    InterfazRegistro ui;
    ASSERT_TRUE(Flexion(c, 0, -10, ui));
    Area3(c.e.AsTraccionNeg, 7.62);
    EXPECT_EQ(c.e.AsCompresionNeg, 0);
    EXPECT_EQ(c.e.AsTraccionPos, 0);
}

TEST(DisenoFlexion, TInvertidaEsLaTConLosSignosCambiados) {
    struct {
        float Mpos, Mneg;
    } casos[] = {{10, -10}, {10, -50}, {0, -60}};
    for (const auto& k : casos) {
        SCOPED_TRACE(k.Mneg);
        prueba::Caso t = ConAla(kVigaT, 60, 10, 25, 40);
        prueba::Caso ti = ConAla(kVigaTi, 60, 10, 25, 40);
        InterfazRegistro ui;
        ASSERT_TRUE(Flexion(t, -k.Mneg, -k.Mpos, ui));
        ASSERT_TRUE(Flexion(ti, k.Mpos, k.Mneg, ui));
        EXPECT_EQ(ti.e.AsTraccionNeg, t.e.AsTraccionPos);
        EXPECT_EQ(ti.e.AsCompresionNeg, t.e.AsCompresionPos);
        EXPECT_EQ(ti.e.AsTraccionPos, t.e.AsTraccionNeg);
        EXPECT_EQ(ti.e.ComportamientoT, t.e.ComportamientoT);
    }
    prueba::Caso ti = ConAla(kVigaTi, 60, 10, 25, 40);
    InterfazRegistro ui;
    ASSERT_TRUE(Flexion(ti, 0, -50, ui));
    EXPECT_EQ(ti.e.ComportamientoT, 2.0f);
    Area3(ti.e.AsTraccionNeg, 34.2);
}

TEST(DisenoFlexion, SeccionInsuficienteDetieneElDisenoEnSuOrden) {
    const Mensaje esperado{"Esta Sección no resiste esta solicitud de cargas",
                           "Sección Insuficiente", 0};
    {  // rectangle: the negative moment runs first, the positive one is never designed
        prueba::Caso c = Rectangular(30, 50, 5);
        InterfazRegistro ui;
        EXPECT_FALSE(Flexion(c, 1, -60, ui));
        ASSERT_EQ(ui.mensajes.size(), 1u);
        EXPECT_EQ(ui.mensajes[0], esperado);
        EXPECT_EQ(c.e.FalloDiseno, 1.0f);
        EXPECT_EQ(c.e.AsTraccionPos, 0);
    }
    {  // the negative side stored before the positive side fails
        prueba::Caso c = Rectangular(30, 50, 5);
        InterfazRegistro ui;
        EXPECT_FALSE(Flexion(c, 60, -10, ui));
        Area3(c.e.AsTraccionNeg, 6.22);
        EXPECT_EQ(c.e.AsTraccionPos, 0);
    }
    {  // T: flange check at Rn/0.425 > 1 with bf
        prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
        InterfazRegistro ui;
        EXPECT_FALSE(Flexion(c, 120, 0, ui));
        EXPECT_EQ(ui.mensajes.size(), 1u);
    }
    {  // T: the flange holds but the web of the T procedure does not
        prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
        InterfazRegistro ui;
        EXPECT_FALSE(Flexion(c, 90, 0, ui));
        EXPECT_EQ(c.e.ComportamientoT, 2.0f);
        EXPECT_EQ(ui.mensajes.size(), 1u);
    }
    {  // inverted T: the web (positive) side runs first
        prueba::Caso c = ConAla(kVigaTi, 60, 10, 25, 40);
        InterfazRegistro ui;
        EXPECT_FALSE(Flexion(c, 45, -10, ui));  // Rn = 0.450 on bw
        EXPECT_EQ(c.e.AsTraccionNeg, 0);
    }
}

TEST(DisenoFlexion, AceroDeCompresionQueNoTrabajaEsSeccionInsuficiente) {
    struct {
        float h, cover;  // b = 30
        float M;         // Tn.m: Rn between Rn,max and 0.425
    } casos[] = {
        {10, 5, 0.5f},    // d - d' = 0: no lever arm for the steel couple
        {9, 5, 0.3f},     // d - d' < 0
        {36, 11, 12.4f},  // d'/d = 0.44: f's = 66 < 0.85 f'c = 178.5
        {38, 13, 12.4f},  // d'/d = 0.52: the compression steel strain is negative
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.h);
        prueba::Caso c = Rectangular(30, k.h, k.cover);
        InterfazRegistro ui;
        EXPECT_FALSE(Flexion(c, k.M, 0, ui));
        ASSERT_EQ(ui.mensajes.size(), 1u);
        EXPECT_EQ(ui.mensajes[0].titulo, "Sección Insuficiente");
        EXPECT_EQ(c.e.AsTraccionPos, 0);
        EXPECT_EQ(c.e.AsCompresionPos, 0);
        // A singly reinforced moment on the same section is designed normally.
        prueba::Caso sano = Rectangular(30, k.h, k.cover);
        InterfazRegistro ui2;
        EXPECT_TRUE(Flexion(sano, k.M / 10, 0, ui2));
        EXPECT_GT(sano.e.AsTraccionPos, 0);
        EXPECT_EQ(sano.e.AsCompresionPos, 0);
    }
}

// Singly reinforced sections where the minimum steel does not govern carry
// exactly the factored moment: 0.9 As fy (d - a/2) = Mu.
TEST(DisenoFlexion, PropiedadCapacidadIgualAlMomento) {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<double> U(0, 1);
    int comprobados = 0;
    for (int i = 0; i < 3000; ++i) {
        const float b = static_cast<float>(15 + 85 * U(gen));
        const float h = static_cast<float>(25 + 125 * U(gen));
        const float cover = static_cast<float>(3 + 5 * U(gen));
        const double fc = std::round(140 + 460 * U(gen));
        const double fy = U(gen) < 0.5 ? 2800 : 4200;
        const float d = h - cover;
        const double MuMax = RnMaxLibro(fc, fy) * 0.9 * fc * b * d * d;  // Kgr.cm
        const float M = static_cast<float>(MuMax * (0.02 + 0.97 * U(gen)) / 100000);
        prueba::Caso c = Rectangular(b, h, cover, fc, fy);
        InterfazRegistro ui;
        ASSERT_TRUE(Flexion(c, M, 0, ui));
        ASSERT_EQ(c.e.AsCompresionPos, 0);
        const double As = c.e.AsTraccionPos;
        const double Asmin = std::max(0.8 * std::sqrt(fc), 14.5) * b * d / fy;
        if (As <= Asmin * (1 + 1e-5)) continue;  // the minimum steel governs
        const double a = As * fy / (0.85 * fc * b);
        const double capacidad = 0.9 * As * fy * (d - a / 2);
        ASSERT_LT(Relativo(capacidad, M * 100000.0), 0.005)
            << "b=" << b << " h=" << h << " fc=" << fc << " fy=" << fy << " M=" << M;
        ++comprobados;
    }
    EXPECT_GT(comprobados, 1500);
}

}  // namespace
}  // namespace korvex
