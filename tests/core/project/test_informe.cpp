// The report page: which texts it holds and where, for rectangular and T
// sections, beams with and without cantilevers, and more than three loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "project/Calculo.h"
#include "project/Informe.h"

namespace korvex {
namespace {

Carga Puntual(float a, float P, float cat, float L) {
    return {a, 0, L - a, P, 0, a, kPuntual, cat};
}
Carga Uniforme(float a, float b, float w, float cat, float L) {
    return {a, b, L - a - b, w, w, a + b, kDistribuida, cat};
}

Proyecto Calculado(const char* tipo, std::initializer_list<Carga> cargas, float L, float J = 0,
                   float K = -1) {
    Proyecto p;
    p.seccion.TipoViga = tipo;
    if (p.seccion.TipoViga == kVigaRect) {
        p.seccion.txtB = "30";
        p.seccion.txtH = "50";
    } else {
        p.seccion.txtB = "60";
        p.seccion.txtH = "10";
        p.seccion.txtBw = "25";
        p.seccion.txtHw = "40";
    }
    Calculos_Geom(p.seccion, p.estado);
    p.estado.LuzViga = L;
    p.estado.DistJ = J;
    p.estado.DistK = K < 0 ? L : K;
    p.ventana.Check_Vuelo = (J > 0 || K >= 0) ? 1 : 0;
    for (const Carga& c : cargas) AgregarCarga(p.estado, c);
    InterfazRegistro ui;
    EXPECT_TRUE(RealizarCalculos(p, ui).calculado);
    return p;
}

// The text written at (x, y), or "<ninguno>".
std::string En(const std::vector<ElementoInforme>& pg, double x, double y) {
    for (const ElementoInforme& e : pg) {
        if (e.tipo == ElementoInforme::Texto && std::abs(e.x - x) < 0.01 &&
            std::abs(e.y - y) < 0.01)
            return e.texto;
    }
    return "<ninguno>";
}

bool Contiene(const std::vector<ElementoInforme>& pg, const std::string& t) {
    return std::any_of(pg.begin(), pg.end(), [&](const ElementoInforme& e) {
        return e.tipo == ElementoInforme::Texto && e.texto == t;
    });
}

TEST(Informe, NumerosImpresosLlevanBlancosYLosUnidosNo) {
    EXPECT_EQ(NumeroImpreso(2.5), " 2.5 ");
    EXPECT_EQ(NumeroImpreso(-3), "-3 ");
    EXPECT_EQ(NumeroImpreso(0), " 0 ");
    EXPECT_EQ(NumeroImpreso(18.666666), " 18.66667 ");
}

TEST(Informe, VigaRectangularSinVuelosConCincoCargasMuestraTresYSinJK) {
    const float L = 6;
    Proyecto p =
        Calculado(kVigaRect,
                  {Puntual(3, 10, kViva, L), Uniforme(0, 6, 1.5f, kMuerta, L),
                   Puntual(1, 2, kOtros, L), Puntual(4, 1, kViva, L), Puntual(5, 1, kMuerta, L)},
                  L);
    p.materiales.txtFc = "250";
    const auto pg = PaginaInforme(p, true);

    EXPECT_EQ(En(pg, 4100, 1000), "Korvex 2000");
    EXPECT_EQ(En(pg, 1500, 2100), "Diagrama de Cortante (Tn)");
    EXPECT_EQ(En(pg, 6250, 2100), "Diagrama de Momento (Tn/m)");
    EXPECT_EQ(En(pg, 3200, 5000), NumeroImpreso(p.estado.CortanteMax));
    EXPECT_EQ(En(pg, 3200, 5550), NumeroImpreso(p.estado.CortanteMin));
    EXPECT_EQ(En(pg, 8185, 5000), NumeroImpreso(p.estado.MomentoNegMax));
    EXPECT_EQ(En(pg, 8185, 5550), NumeroImpreso(p.estado.MomentoPosMax));
    EXPECT_GT(p.estado.MomentoPosMax, 0);
    EXPECT_EQ(En(pg, 3530, 6900), "250");
    EXPECT_EQ(En(pg, 3530, 7300), "2800");
    EXPECT_EQ(En(pg, 3530, 7700), "4");
    EXPECT_EQ(En(pg, 3530, 8100), "Rectangular");
    EXPECT_EQ(En(pg, 6000, 6900), "b:");
    EXPECT_EQ(En(pg, 6600, 6900), "30");
    EXPECT_EQ(En(pg, 6000, 7300), "h:");
    EXPECT_EQ(En(pg, 6600, 7300), "50");
    EXPECT_EQ(En(pg, 7400, 6900), "<ninguno>");
    EXPECT_EQ(En(pg, 7400, 7300), "<ninguno>");
    EXPECT_EQ(En(pg, 7700, 7700), " 6 ");
    EXPECT_EQ(En(pg, 6000, 8100), "<ninguno>");  // no cantilevers, no j and k

    // Loads 1 to 3 only, "Otros" in the category column.
    EXPECT_EQ(En(pg, 1000, 9700), "      1            Puntual");
    EXPECT_EQ(En(pg, 4100, 9700), "Viva");
    EXPECT_EQ(En(pg, 5650, 9700), "3" + std::string(11, ' ') + "0" + std::string(11, ' ') + "3" +
                                      std::string(12, ' ') + "10" + std::string(13, ' ') + "0");
    EXPECT_EQ(En(pg, 1000, 10000), "      2            Distribuida");
    EXPECT_EQ(En(pg, 4100, 10000), "Muerta");
    EXPECT_EQ(En(pg, 5650, 10000), "0" + std::string(11, ' ') + "6" + std::string(11, ' ') + "0" +
                                       std::string(12, ' ') + "1.5" + std::string(13, ' ') + "1.5");
    EXPECT_EQ(En(pg, 4100, 10300), "Otros");
    EXPECT_EQ(En(pg, 1000, 10600), "<ninguno>");
    EXPECT_FALSE(Contiene(pg, "      4            Puntual"));

    EXPECT_EQ(En(pg, 1000, 11350),
              "Espaciamiento máximo de estribos(cms):      " + p.estado.txtEstribos);
    EXPECT_FALSE(p.estado.txtEstribos.empty());
    EXPECT_EQ(En(pg, 5900, 12000), NumeroImpreso(p.estado.AsTraccionNeg));
    EXPECT_GT(p.estado.AsTraccionPos, 0);
    // 6 m, use 1 (L/180): 0.033 m.
    EXPECT_EQ(En(pg, 1000, 13000), "Deflexión máxima admisible (mts):       0.033");
}

TEST(Informe, VigaTConVuelosMuestraAlaAlmaYApoyos) {
    const float L = 8;
    Proyecto p = Calculado(kVigaT, {Uniforme(0, 8, 2, kMuerta, L)}, L, 1.5f, 6.5f);
    const auto pg = PaginaInforme(p, false);
    EXPECT_EQ(En(pg, 3530, 8100), "T");
    EXPECT_EQ(En(pg, 6000, 6900), "bf:");
    EXPECT_EQ(En(pg, 6600, 6900), "60");
    EXPECT_EQ(En(pg, 6000, 7300), "hf:");
    EXPECT_EQ(En(pg, 6600, 7300), "10");
    EXPECT_EQ(En(pg, 7400, 6900), "bw:");
    EXPECT_EQ(En(pg, 8000, 6900), "25");
    EXPECT_EQ(En(pg, 7400, 7300), "hw:");
    EXPECT_EQ(En(pg, 8000, 7300), "40");
    EXPECT_EQ(En(pg, 6000, 8100), "j:   1.5      k:   6.5");
    EXPECT_EQ(En(pg, 1000, 10000), "<ninguno>");  // one load only

    Proyecto ti = Calculado(kVigaTi, {Uniforme(0, 8, 2, kMuerta, L)}, L);
    EXPECT_EQ(En(PaginaInforme(ti, false), 3530, 8100), "T Invertida");
}

TEST(Informe, LetrasYLogoDelPreviewYDeLaImpresion) {
    using L = ElementoInforme;
    EXPECT_EQ(PuntosLetra(L::Titulo, false), 13);
    EXPECT_EQ(PuntosLetra(L::Titulo, true), 25);
    EXPECT_EQ(PuntosLetra(L::Cuerpo, false), 6);
    EXPECT_EQ(PuntosLetra(L::Cuerpo, true), 13);
    EXPECT_EQ(PuntosLetra(L::Cierre, false), 9);
    EXPECT_EQ(PuntosLetra(L::Cierre, true), 9);

    Proyecto p = Calculado(kVigaRect, {Puntual(3, 10, kViva, 6)}, 6);
    auto logo = [](const std::vector<ElementoInforme>& pg) {
        return *std::find_if(pg.begin(), pg.end(),
                             [](const ElementoInforme& e) { return e.tipo == L::Logo; });
    };
    const ElementoInforme impreso = logo(PaginaInforme(p, true));
    EXPECT_EQ(impreso.x, 3000);
    EXPECT_EQ(impreso.y, 960);
    EXPECT_EQ(impreso.x2, 840);
    EXPECT_EQ(logo(PaginaInforme(p, false)).x, 2500);

    // Every element lies on the letter page; texts are placed, pictures sized.
    for (const ElementoInforme& e : PaginaInforme(p, true)) {
        EXPECT_GE(e.x, 0);
        EXPECT_LT(e.x, kAnchoCarta);
        EXPECT_GE(e.y, 0);
        EXPECT_LT(e.y, kAltoCarta);
        if (e.tipo == L::Cortante || e.tipo == L::Momento) {
            EXPECT_EQ(e.x2, 4876);
            EXPECT_EQ(e.y2, 2700);
        }
    }
}

}  // namespace
}  // namespace korvex
