#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "Disenos.h"
#include "analysis/Calculos_Diagramas.h"
#include "design/Deflexion.h"
#include "design/DisenarViga.h"
#include "design/DisenoFlexion.h"

namespace korvex {
namespace {

using prueba::ConAla;
using prueba::Rectangular;
using prueba::Relativo;

// A simply supported beam of span L (m) with a uniform load w (Tn/m,
// category "Otros") on the section of case `c`, sampled as the calculation
// does: modulus from f'c, then the diagrams.
void VigaUniforme(prueba::Caso& c, float L, float w) {
    c.e.LuzViga = L;
    c.e.DistJ = 0;
    c.e.DistK = L;
    Carga q;
    q.A = 0;
    q.B = L;
    q.Fin = L;
    q.P1 = q.P2 = w;
    q.Tipo = kDistribuida;
    q.Categoria = kOtros;
    AgregarCarga(c.e, q);
    c.e.ModuloElasticidad =
        static_cast<float>(std::sqrt(texto::NumeroCampo(c.m.txtFc)) * 15100 * 10);
    Calculos_Diagramas(c.e);
}

const Mensaje kInsuficiente{"Esta Sección no resiste esta solicitud de cargas",
                            "Sección Insuficiente", 0};
const Mensaje kFallaCortante{"La viga falla por cortante, redimensionar sección",
                             "Sección insuficiente!", 16};
const Mensaje kAviso{
    "El elemento sobrepasa la deflexión máxima estipulada por el Código ACI (American "
    "Concrete Institute)",
    "Advertencia", 64};

TEST(DisenarViga, VigaSimplementeApoyadaDeSeisMetros) {
    // 30 x 50, cover 5, f'c 210, fy 4200; w = 2 Tn/m plus the self weight
    // 0.36 Tn/m (factored 1.4): Mu = (2 + 1.4 x 0.36) x 36 / 8 = 11.27 Tn.m.
    prueba::Caso c = Rectangular(30, 50, 5);
    VigaUniforme(c, 6, 2);
    ASSERT_NEAR(c.e.MomentoPosMax, 11.268, 0.005);
    c.m.UsoDeflexion = 2;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);

    EXPECT_EQ(c.e.FalloDiseno, 0);
    const ResultadoFlexion r = FlexionRectangular(c.e.MomentoPosMax * 1e5f, 30, {210, 4200, 45, 5},
                                                  14.5f * 30 * 45 / 4200);
    EXPECT_EQ(c.e.AsTraccionPos, r.As);
    EXPECT_NEAR(c.e.AsTraccionPos, 7.06, 0.01);
    EXPECT_EQ(c.e.AsTraccionNeg, 0);  // no hogging moment
    EXPECT_EQ(ui.preguntasEstribo, 1);
    EXPECT_EQ(c.e.txtEstribos, "3/8@22");  // Vu = 7.51 Tn: middle band, Vs < 0
    // 7.06 cm2 + 0.356: one 1" (remainder 2.349), no 3/4", one 1/2", two 3/8" (1.52).
    EXPECT_EQ(c.e.Varillas[0][0], 1);
    EXPECT_EQ(c.e.Varillas[1][0], 0);
    EXPECT_EQ(c.e.Varillas[2][0], 1);
    EXPECT_EQ(c.e.Varillas[3][0], 2);

    // Deflection: 5 w L^4 / (384 Ec Ie) with the service load 2.36 Tn/m.
    ASSERT_GT(c.e.InerciaEfectivaPos, 0);
    EXPECT_EQ(c.e.InerciaEfectivaNeg, 0);
    const double Ec = std::sqrt(210.0) * 151000;  // Tn/m2
    const double delta = 5 * 2.36 * std::pow(6, 4) / (384 * Ec * c.e.InerciaEfectivaPos);
    EXPECT_LT(Relativo(c.e.FlechaEfectiva, delta), 0.002);
    // Cracked: below the gross inertia 0.003125 m4.
    EXPECT_LT(c.e.InerciaEfectivaPos, 0.003125);
    // Messages in the order raised: only the deflection warning when L/360 is exceeded.
    const bool excede = 6.0 / 360 < c.e.FlechaEfectiva;
    EXPECT_EQ(ui.mensajes.size(), excede ? 1u : 0u);
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
    EXPECT_EQ(ui.mensajes[0], kInsuficiente);
    EXPECT_EQ(ui.preguntasEstribo, 0);     // no shear design
    EXPECT_EQ(c.e.Varillas[0][0], 7);      // no bar table
    EXPECT_EQ(c.e.InerciaEfectivaPos, 0);  // no deflection
    EXPECT_EQ(c.e.FlechaEfectiva, 0);
    EXPECT_EQ(c.e.FalloDiseno, 1.0f);
    EXPECT_EQ(c.e.txtEstribos, "");
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
    EXPECT_EQ(ui.mensajes[0], kFallaCortante);
    EXPECT_EQ(ui.mensajes[1], kAviso);
    EXPECT_EQ(ui.preguntasEstribo, 0);
    EXPECT_EQ(c.e.FalloDiseno, 1.0f);
    EXPECT_EQ(c.e.AsTraccionPos, 0);
    for (const auto& fila : c.e.Varillas) {
        for (int n : fila) EXPECT_EQ(n, 0);
    }
    // The check ran on zero steel: lambda = 2 with the width of the rectangle.
    EXPECT_FLOAT_EQ(c.e.LambdaDeflexion, 2);
    EXPECT_EQ(c.e.ComportamientoT, 30);
    EXPECT_GT(c.e.InerciaEfectivaPos, 0);
    EXPECT_TRUE(std::isfinite(c.e.FlechaEfectiva));
}

TEST(DisenarViga, NotaDeCortanteYAvisoEnEseOrden) {
    prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
    VigaUniforme(c, 3, 0.5f);
    c.e.FlechaMax *= 400;
    c.m.UsoDeflexion = 1;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    ASSERT_EQ(ui.mensajes.size(), 2u);
    EXPECT_EQ(ui.mensajes[0].titulo, "Nota");
    EXPECT_EQ(ui.mensajes[1], kAviso);
    EXPECT_EQ(c.e.ComportamientoT, 1.0f);  // category 1 leaves it as the flexure did
}

TEST(VerificarDiseno, RechazaLoQueElDisenoDivide) {
    struct {
        const char* nombre;
        void (*cambiar)(prueba::Caso&);
        const char* nombra;  // the field the message names
    } casos[] = {
        {"fc 0", [](prueba::Caso& c) { c.m.txtFc = "0"; }, "f'c"},
        {"fc -5", [](prueba::Caso& c) { c.m.txtFc = "-5"; }, "f'c"},
        {"fc texto", [](prueba::Caso& c) { c.m.txtFc = "abc"; }, "f'c"},
        {"fy 0", [](prueba::Caso& c) { c.m.cboFy = "0"; }, "fy"},
        {"fy vacio", [](prueba::Caso& c) { c.m.cboFy = ""; }, "fy"},
        {"rec 0", [](prueba::Caso& c) { c.m.txtRec = "0"; }, "Recubrimiento"},
        {"sin tipo", [](prueba::Caso& c) { c.s.TipoViga = ""; }, "tipo de sección"},
        {"tipo raro", [](prueba::Caso& c) { c.s.TipoViga = "Viga_X"; }, "tipo de sección"},
        {"b 0", [](prueba::Caso& c) { c.s.txtB = "0"; }, "dimensión b "},
        {"h vacio", [](prueba::Caso& c) { c.s.txtH = ""; }, "dimensión h "},
        {"d 0", [](prueba::Caso& c) { c.m.txtRec = "50"; }, "peralte efectivo d = 0 cm"},
        {"d < 0", [](prueba::Caso& c) { c.m.txtRec = "60"; }, "peralte efectivo d = -10 cm"},
    };
    prueba::Caso sano = Rectangular(30, 50, 5);
    EXPECT_TRUE(VerificarDiseno(sano.e, sano.s, sano.m).empty());
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        prueba::Caso c = Rectangular(30, 50, 5);
        k.cambiar(c);
        const std::vector<Mensaje> m = VerificarDiseno(c.e, c.s, c.m);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].texto.find(k.nombra), std::string::npos) << m[0].texto;
        EXPECT_EQ(m[0].estilo, 16);
        EXPECT_EQ(m[0].titulo, "Datos Incorrectos");
    }
    // T and inverted T: every flange and web dimension.
    struct {
        float bf, hf, bw, hw;
        const char* nombra;
    } alas[] = {
        {0, 10, 25, 40, "bf"}, {60, 0, 25, 40, "hf"}, {60, 10, 0, 40, "bw"}, {60, 10, 25, 0, "hw"}};
    for (const char* tipo : {kVigaT, kVigaTi}) {
        EXPECT_TRUE([&] {
            prueba::Caso t = ConAla(tipo, 60, 10, 25, 40);
            return VerificarDiseno(t.e, t.s, t.m).empty();
        }());
        for (const auto& a : alas) {
            SCOPED_TRACE(std::string(tipo) + " " + a.nombra);
            prueba::Caso t = ConAla(tipo, a.bf, a.hf, a.bw, a.hw);
            const std::vector<Mensaje> m = VerificarDiseno(t.e, t.s, t.m);
            ASSERT_EQ(m.size(), 1u);
            EXPECT_NE(m[0].texto.find(std::string("dimensión ") + a.nombra + " "),
                      std::string::npos);
        }
    }
    // The design refuses the same data by itself and computes nothing.
    prueba::Caso c = Rectangular(30, 50, 5);
    c.m.txtFc = "0";
    c.e.MomentoPosMax = 5;
    c.e.CortanteMaxAbs = 5;
    InterfazRegistro ui;
    DisenarViga(c.e, c.s, c.m, ui);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].titulo, "Datos Incorrectos");
    EXPECT_EQ(c.e.FalloDiseno, 1.0f);
    EXPECT_EQ(c.e.AsTraccionPos, 0);
    EXPECT_EQ(ui.preguntasEstribo, 0);
}

bool Finito(float v) {
    return std::isfinite(v);
}

bool SinNumerosRaros(const std::string& t) {
    for (const char* mal : {"nan", "inf", "NaN", "Inf"}) {
        if (t.find(mal) != std::string::npos) return false;
    }
    return true;
}

// Any input, sound or not, gives finite results and texts.
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
        if (U(gen) < 0.1) c.s.Bf = valor(10, 150);  // stale or edited fields
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
        if (c.e.FalloDiseno == 0) ++disenadas;

        const float valores[] = {c.e.AsTraccionPos,
                                 c.e.AsTraccionNeg,
                                 c.e.AsCompresionPos,
                                 c.e.AsCompresionNeg,
                                 c.e.AnchoDiseno,
                                 c.e.ComportamientoT,
                                 c.e.EspaciamientoEstribos,
                                 c.e.AsVarillas,
                                 c.e.FlechaEfectiva,
                                 c.e.LambdaDeflexion,
                                 static_cast<float>(c.e.InerciaEfectivaPos),
                                 static_cast<float>(c.e.InerciaEfectivaNeg)};
        for (size_t j = 0; j < std::size(valores); ++j) {
            ASSERT_TRUE(Finito(valores[j]))
                << "caso " << i << " valor " << j << " tipo " << c.s.TipoViga << " b " << c.s.txtB
                << " h " << c.s.txtH << " bw " << c.s.txtBw << " hw " << c.s.txtHw << " fc "
                << c.m.txtFc << " fy " << c.m.cboFy << " rec " << c.m.txtRec << " d "
                << c.e.PeralteEfectivo << " M+ " << c.e.MomentoPosMax << " M- " << c.e.MomentoNegMax
                << " V " << c.e.CortanteMaxAbs;
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
