#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Disenos.h"
#include "analysis/Calculos_Diagramas.h"
#include "design/Deflexion.h"
#include "design/DisenarViga.h"

namespace korvex {
namespace {

using prueba::Rectangular;

// A simply supported span L (m) under a uniform load w (Tn/m, "Otros"),
// sampled as the calculation does: modulus from f'c, then the diagrams.
void VigaUniforme(prueba::Caso& c, float L, float w) {
    c.e.LuzViga = c.e.DistK = L;
    AgregarCarga(c.e, {0, L, 0, w, w, L, kDistribuida, kOtros});
    c.e.ModuloElasticidad =
        static_cast<float>(std::sqrt(texto::NumeroCampo(c.m.txtFc)) * 15100 * 10);
    Calculos_Diagramas(c.e);
}

const Mensaje kAviso{
    "El elemento sobrepasa la deflexión máxima estipulada por el Código ACI (American "
    "Concrete Institute)",
    "Advertencia", 64};

// 30 x 50, cover 5, f'c 210, fy 4200; w = 2 Tn/m plus the self weight
// 0.36 Tn/m (factored 1.4): Mu = (2 + 1.4 x 0.36) x 36 / 8 = 11.27 Tn.m.
TEST(DisenarViga, VigaSimplementeApoyadaDeSeisMetros) {
    prueba::Caso c = Rectangular(30, 50, 5);
    VigaUniforme(c, 6, 2);
    ASSERT_NEAR(c.e.MomentoPosMax, 11.268, 0.005);
    c.m.UsoDeflexion = 2;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    EXPECT_EQ(c.e.FalloDiseno, 0);
    EXPECT_NEAR(c.e.AsTraccionPos, 7.06, 0.01);
    EXPECT_EQ(c.e.AsTraccionNeg, 0);
    EXPECT_EQ(ui.preguntasEstribo, 1);
    EXPECT_EQ(c.e.txtEstribos, "3/8@22");  // Vu = 7.51 Tn: middle band, Vs < 0
    // 7.06 + 0.356: one 1" (remainder 2.349), one 1/2", two 3/8".
    const std::array<int, 4> columna{c.e.Varillas[0][0], c.e.Varillas[1][0], c.e.Varillas[2][0],
                                     c.e.Varillas[3][0]};
    EXPECT_EQ(columna, (std::array<int, 4>{1, 0, 1, 2}));
    // Deflection 5 w L^4 / (384 Ec Ie) with the service load 2.36 Tn/m, cracked Ie < Ig.
    EXPECT_EQ(c.e.InerciaEfectivaNeg, 0);
    EXPECT_LT(c.e.InerciaEfectivaPos, 0.003125);
    const double Ec = std::sqrt(210.0) * 151000;  // Tn/m2
    const double delta = 5 * 2.36 * std::pow(6, 4) / (384 * Ec * c.e.InerciaEfectivaPos);
    EXPECT_LT(prueba::Relativo(c.e.FlechaEfectiva, delta), 0.002);
    EXPECT_EQ(ui.mensajes.size(), 6.0 / 360 < c.e.FlechaEfectiva ? 1u : 0u);
    EXPECT_FLOAT_EQ(c.e.LambdaDeflexion, 1);
}

TEST(DisenarViga, FallaPorFlexionMuestraSoloSuMensaje) {
    prueba::Caso c = Rectangular(20, 30, 5);
    VigaUniforme(c, 8, 6);   // Mu far beyond the section
    c.e.Varillas[0][0] = 7;  // left by an earlier calculation
    c.e.LambdaDeflexion = 3;
    c.m.UsoDeflexion = 1;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, "Esta Sección no resiste esta solicitud de cargas");
    EXPECT_EQ(ui.preguntasEstribo, 0);     // no shear design
    EXPECT_EQ(c.e.Varillas[0][0], 7);      // no bar table
    EXPECT_EQ(c.e.InerciaEfectivaPos, 0);  // no deflection
    EXPECT_EQ(c.e.FalloDiseno, 1.0f);
    EXPECT_FLOAT_EQ(c.e.LambdaDeflexion, 1);
}

TEST(DisenarViga, FallaPorCortanteSigueConVarillasYDeflexion) {
    prueba::Caso c = Rectangular(30, 50, 5);
    VigaUniforme(c, 6, 2);
    c.e.CortanteMaxAbs = 80;  // Tn: beyond Vc + 2.1 sqrt(f'c) bv d
    c.e.FlechaMax *= 50;      // and a deflection beyond L/480 / 2
    c.e.Varillas[0][0] = 7;
    c.m.UsoDeflexion = 3;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    ASSERT_EQ(ui.mensajes.size(), 2u);
    EXPECT_EQ(ui.mensajes[0].texto, "La viga falla por cortante, redimensionar sección");
    EXPECT_EQ(ui.mensajes[1], kAviso);
    EXPECT_EQ(c.e.FalloDiseno, 1.0f);
    EXPECT_EQ(c.e.AsTraccionPos, 0);
    EXPECT_EQ(c.e.Varillas, (std::array<std::array<int, 4>, 4>{}));  // the table ran on zero steel
    EXPECT_FLOAT_EQ(c.e.LambdaDeflexion, 2);  // the check too, with the rectangle's width
    EXPECT_EQ(c.e.ComportamientoT, 30);
    EXPECT_TRUE(std::isfinite(c.e.FlechaEfectiva));
}

TEST(DisenarViga, NotaDeCortanteYAvisoEnEseOrden) {
    prueba::Caso c = prueba::ConAla(kVigaT, 60, 10, 25, 40);
    VigaUniforme(c, 3, 0.5f);
    c.e.FlechaMax *= 400;
    c.m.UsoDeflexion = 1;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    ASSERT_EQ(ui.mensajes.size(), 2u);
    EXPECT_EQ(ui.mensajes[0].titulo, "Nota");
    EXPECT_EQ(ui.mensajes[1], kAviso);
}

// Mended: what the design divides by is refused before it, naming the field.
TEST(VerificarDiseno, RechazaLoQueElDisenoDivide) {
    const struct {
        const char* tipo;
        const char* campo;  // "fc", "fy", "rec", "tipo", "b", "h", "bw", "hw"
        const char* valor;
        const char* nombra;
    } casos[] = {
        {kVigaRect, "fc", "0", "f'c"},           {kVigaRect, "fc", "abc", "f'c"},
        {kVigaRect, "fy", "", "fy"},             {kVigaRect, "rec", "0", "Recubrimiento"},
        {kVigaRect, "tipo", "", "tipo de sección"}, {kVigaRect, "tipo", "Viga_X", "tipo de sección"},
        {kVigaRect, "b", "0", "dimensión b "},   {kVigaRect, "h", "", "dimensión h "},
        {kVigaRect, "rec", "50", "peralte efectivo d = 0 cm"},
        {kVigaRect, "rec", "60", "peralte efectivo d = -10 cm"},
        {kVigaT, "b", "0", "dimensión bf "},     {kVigaT, "h", "0", "dimensión hf "},
        {kVigaTi, "bw", "0", "dimensión bw "},   {kVigaTi, "hw", "0", "dimensión hw "},
    };
    for (const char* tipo : {kVigaRect, kVigaT, kVigaTi}) {
        prueba::Caso sano = prueba::ConAla(tipo, 60, 10, 25, 40);
        EXPECT_TRUE(VerificarDiseno(sano.e, sano.s, sano.m).empty()) << tipo;
    }
    for (const auto& k : casos) {
        SCOPED_TRACE(std::string(k.tipo) + " " + k.campo + " = " + k.valor);
        prueba::Caso c = prueba::ConAla(k.tipo, 30, 50, 25, 40, 5);
        const std::string campo = k.campo;
        std::string& texto = campo == "fc"    ? c.m.txtFc
                             : campo == "fy"  ? c.m.cboFy
                             : campo == "rec" ? c.m.txtRec
                             : campo == "tipo" ? c.s.TipoViga
                             : campo == "b"   ? c.s.txtB
                             : campo == "h"   ? c.s.txtH
                             : campo == "bw"  ? c.s.txtBw
                                              : c.s.txtHw;
        texto = k.valor;
        Calculos_Geom(c.s, c.e);
        const std::vector<Mensaje> m = VerificarDiseno(c.e, c.s, c.m);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].texto.find(k.nombra), std::string::npos) << m[0].texto;
        EXPECT_EQ(m[0].titulo, "Datos Incorrectos");
        EXPECT_EQ(m[0].estilo, 16);
    }
    // The design refuses the same data by itself and computes nothing.
    prueba::Caso c = Rectangular(30, 50, 5);
    c.m.txtFc = "0";
    c.e.MomentoPosMax = c.e.CortanteMaxAbs = 5;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].titulo, "Datos Incorrectos");
    EXPECT_EQ(c.e.FalloDiseno, 1.0f);
    EXPECT_EQ(c.e.AsTraccionPos, 0);
    EXPECT_EQ(ui.preguntasEstribo, 0);
}

bool SinNumerosRaros(const std::string& t) {
    for (const char* mal : {"nan", "inf", "NaN", "Inf"}) {
        if (t.find(mal) != std::string::npos) return false;
    }
    return true;
}

// Any input, sound or not (zeros, negatives, huge values, texts that are not
// numbers, stale fields), gives finite results and texts.
TEST(DisenarViga, PropiedadNuncaNaNNiInfinito) {
    std::mt19937 gen(99);
    std::uniform_real_distribution<double> U(0, 1);
    auto valor = [&](double lo, double hi) -> float {
        const double u = U(gen);
        if (u < 0.08) return 0;
        if (u < 0.12) return static_cast<float>(-hi * U(gen));
        if (u < 0.15) return static_cast<float>(hi * 1e4 * U(gen));
        return static_cast<float>(lo + (hi - lo) * U(gen));
    };
    auto texto = [&](double lo, double hi) -> std::string {
        const double u = U(gen);
        if (u < 0.05) return "";
        if (u < 0.08) return "x";
        return prueba::T(valor(lo, hi));
    };
    const char* tipos[] = {kVigaRect, kVigaT, kVigaTi, "", "Viga_X"};
    int disenadas = 0;
    for (int i = 0; i < 20000; ++i) {
        prueba::Caso c;
        c.s.TipoViga = tipos[std::min(4, static_cast<int>(U(gen) * 5.5))];
        c.s.txtB = texto(10, 150);
        c.s.txtH = texto(5, 150);
        c.s.txtBw = texto(10, 80);
        c.s.txtHw = texto(10, 150);
        Calculos_Geom(c.s, c.e);
        if (U(gen) < 0.1) c.s.Bf = valor(10, 150);
        if (U(gen) < 0.1) c.s.Ycg = valor(0, 100);
        c.m.txtFc = texto(100, 700);
        c.m.cboFy = U(gen) < 0.8 ? (U(gen) < 0.5 ? "2800" : "4200") : texto(100, 6000);
        c.m.txtRec = texto(1, 12);
        c.m.UsoDeflexion = static_cast<int>(U(gen) * 5.2);
        c.e.Recubrimiento = static_cast<float>(texto::NumeroCampo(c.m.txtRec));
        const float h = c.s.TipoViga == kVigaRect ? c.s.H : c.s.Hw + c.s.Hf;
        c.e.PeralteEfectivo = U(gen) < 0.9 ? h - c.e.Recubrimiento : valor(1, 100);
        c.e.LuzViga = valor(0.5, 20);
        c.e.MomentoPosMax = std::fabs(valor(0, 60));
        c.e.MomentoNegMax = -std::fabs(valor(0, 60));
        c.e.CortanteMaxAbs = std::fabs(valor(0, 60));
        c.e.FlechaMax = std::fabs(valor(0, 0.01));
        c.e.ComportamientoT = U(gen) < 0.5 ? 1.0f : 2.0f;
        c.e.DiagMomentoServicio.assign(5, 0);
        for (float& v : c.e.DiagMomentoServicio) v = valor(-40, 40);
        InterfazRegistro ui(U(gen) < 0.5 ? "3/8" : "1/2");
        DisenarViga(c.e, c.s, c.m, ui);
        disenadas += c.e.FalloDiseno == 0;

        const double valores[] = {c.e.AsTraccionPos,   c.e.AsTraccionNeg,  c.e.AsCompresionPos,
                                  c.e.AsCompresionNeg, c.e.AnchoDiseno,    c.e.ComportamientoT,
                                  c.e.EspaciamientoEstribos, c.e.AsVarillas, c.e.FlechaEfectiva,
                                  c.e.LambdaDeflexion, c.e.InerciaEfectivaPos,
                                  c.e.InerciaEfectivaNeg};
        for (double v : valores) {
            ASSERT_TRUE(std::isfinite(v)) << "caso " << i << " tipo " << c.s.TipoViga << " b "
                                          << c.s.txtB << " h " << c.s.txtH << " fc " << c.m.txtFc;
        }
        ASSERT_GE(c.e.AsCompresionPos, 0) << "caso " << i;
        ASSERT_GE(c.e.AsCompresionNeg, 0) << "caso " << i;
        ASSERT_TRUE(SinNumerosRaros(c.e.txtEstribos)) << c.e.txtEstribos;
        for (const auto& fila : c.e.Varillas) {
            for (int n : fila) ASSERT_GE(n, 0);
        }
        for (const Mensaje& m : ui.mensajes) ASSERT_TRUE(SinNumerosRaros(m.texto)) << m.texto;
    }
    EXPECT_GT(disenadas, 2000);  // enough sound designs among the inputs
}

}  // namespace
}  // namespace korvex
