// The report page: the load rows (three at most), the section labels by type,
// the j/k line only with cantilevers, and the live-load arrangement notice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "comun/Vigas.h"
#include "project/AvisosInforme.h"
#include "project/Calculo.h"
#include "project/Informe.h"
#include "text/Numeros.h"

namespace korvex::pruebas {
namespace {

// The text written at (x, y), or "<ninguno>".
std::string En(const std::vector<ElementoInforme>& pg, double x, double y) {
    for (const ElementoInforme& e : pg) {
        if (e.tipo == ElementoInforme::Texto && std::abs(e.x - x) < 0.01 &&
            std::abs(e.y - y) < 0.01)
            return e.texto;
    }
    return "<ninguno>";
}

// The numbers as the main window shows them: the extremes (Tn, Tn.m) and
// the steel with two decimals, printed by themselves with their blanks; the
// length with two. 6 m, 1.5 Tn/m dead + 1 Tn/m live, classic factors: wu =
// 1.4 x 1.5 + 1.7 x 1 = 3.8 Tn/m plus 1.4 x the self weight 0.3 x 0.5 x 2.4
// = 0.36 Tn/m, 4.304 Tn/m: Mmax = 4.304 x 36 / 8 = 19.368 -> " 19.37 "; the
// shear sampled 1 cm from each support, 4.304 x (3 - 0.01) = 12.869 -> " 12.87 ".
TEST(Informe, NumerosConLosDecimalesDeLaVentana) {
    EXPECT_EQ(NumeroImpreso("2.50"), " 2.50 ");
    EXPECT_EQ(NumeroImpreso("-3.00"), "-3.00 ");
    const ProyectoCalculado p = Calcular(
        Rectangular(6, 30, 50, {Uniforme(0, 6, 1.5f, kMuerta, 6), Uniforme(0, 6, 1, kViva, 6)}));
    const auto pg = PaginaInforme(p, p.r, true);
    EXPECT_EQ(En(pg, 3200, 5000), " 12.87 ");
    EXPECT_EQ(En(pg, 3200, 5550), "-12.87 ");
    EXPECT_EQ(En(pg, 8185, 5550), " 19.37 ");
    EXPECT_EQ(En(pg, 7700, 7700), " 6.00 ");
    EXPECT_EQ(En(pg, 1000, 12000),
              "   Tracción                     " + texto::Formato(p.r.AsTraccionPos, "###,##0.00"));
    EXPECT_EQ(En(pg, 5900, 12300), " 0.00 ");  // no compression steel over the supports
}

// The rules of the result are named under the data only when they are not the
// classic ones; the classic page has nothing there and nothing more.
TEST(Informe, NormaNombradaSoloConAci318) {
    Proyecto base =
        Rectangular(6, 30, 50, {Uniforme(0, 6, 1.5f, kMuerta, 6), Uniforme(0, 6, 1, kViva, 6)});
    const ProyectoCalculado c = Calcular(base);
    base.estado.Norma = "aci318-19";
    const ProyectoCalculado a = Calcular(base);
    ASSERT_EQ(a.r.norma, "aci318-19");
    const auto pc = PaginaInforme(c, c.r, true);
    const auto pa = PaginaInforme(a, a.r, true);
    EXPECT_EQ(En(pa, 1000, 8500), "Norma: ACI 318-19");
    EXPECT_EQ(En(pc, 1000, 8500), "<ninguno>");
    EXPECT_EQ(pa.size(), pc.size() + 1);
}

TEST(Informe, CargasSeccionYApoyosSegunLaViga) {
    const auto sp = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
    ProyectoCalculado p =
        Calcular(Rectangular(6, 30, 50,
                             {Puntual(3, 10, kViva, 6), Uniforme(0, 6, 1.5f, kMuerta, 6),
                              Puntual(1, 2, kOtros, 6), Puntual(4, 1, kViva, 6)}));
    auto pg = PaginaInforme(p, p.r, true);
    EXPECT_EQ(En(pg, 1000, 9700), "      1            Puntual");
    EXPECT_EQ(En(pg, 4100, 9700), "Viva");
    EXPECT_EQ(En(pg, 5650, 9700),
              "3.00" + sp(11) + "0.00" + sp(11) + "3.00" + sp(12) + "10.00" + sp(13) + "0.00");
    EXPECT_EQ(En(pg, 1000, 10000), "      2            Distribuida");
    EXPECT_EQ(En(pg, 5650, 10000),
              "0.00" + sp(11) + "6.00" + sp(11) + "0.00" + sp(12) + "1.50" + sp(13) + "1.50");
    EXPECT_EQ(En(pg, 1000, 10600), "<ninguno>");  // no fourth load
    EXPECT_EQ(En(pg, 6000, 6900) + En(pg, 6600, 6900) + En(pg, 7400, 6900), "b:30<ninguno>");
    EXPECT_EQ(En(pg, 6000, 8100), "<ninguno>");  // no cantilevers, no j and k
    EXPECT_EQ(En(pg, 1000, 13000), "Deflexión máxima admisible (mts):       0.033");  // L/180

    // Every element lies on the letter page.
    for (const ElementoInforme& e : pg) {
        EXPECT_TRUE(e.x >= 0 && e.x < kAnchoCarta && e.y >= 0 && e.y < kAltoCarta) << e.texto;
    }

    // A T beam with cantilevers.
    Proyecto t;
    PonerSeccion(t, kVigaT, "60", "10", "25", "40");
    PonerViga(t.estado, 6, {Uniforme(0, 6, 2, kMuerta, 6)}, 1.5f, 4.5f);
    t.ventana.Check_Vuelo = 1;
    const ProyectoCalculado tc = Calcular(t);
    pg = PaginaInforme(tc, tc.r, false);
    std::string seccion;
    for (double x : {6000, 6600, 7400, 8000})
        for (double y : {6900, 7300}) seccion += En(pg, x, y);
    EXPECT_EQ(seccion, "bf:hf:6010bw:hw:2540");
    EXPECT_EQ(En(pg, 6000, 8100), "j:   1.50      k:   4.50");
    EXPECT_EQ(En(pg, 1000, 10000), "<ninguno>");  // one load only
}

// Use 3 on a 6 m span, 25 x 50, 7 Tn/m: A's = 4.39 cm2, lambda = 2 / (1 + 50 x
// 4.39 / (46 x 25)) = 1.68. The report prints lambda times the immediate one.
TEST(Informe, DeflexionALargoPlazoLaQueSeComparo) {
    ProyectoCalculado p = Rectangular(6, 25, 50, {Uniforme(0, 6, 7, kOtros, 6)});
    p.materiales.UsoDeflexion = 3;
    p = Calcular(p);
    const ResultadoCalculo& e = p.r;
    ASSERT_NEAR(e.LambdaDeflexion, 1.68, 0.005);
    const std::string largo = texto::Formato(e.LambdaDeflexion * e.FlechaEfectiva, "###,##0.000");
    EXPECT_EQ(En(PaginaInforme(p, p.r, true), 1000, 12700), "Deflexión máxima (mts):    " + largo);
    p.materiales.UsoDeflexion = 2;  // the immediate deflection for uses 1 and 2
    EXPECT_EQ(En(PaginaInforme(p, p.r, true), 1000, 12700),
              "Deflexión máxima (mts):    " + texto::Formato(e.FlechaEfectiva, "###,##0.000"));
    // The live-load arrangements line, on free space: the same items either way.
    const auto sin = PaginaInforme(p, p.r, true);
    p.estado.AlternanciaViva = true;
    const auto con = PaginaInforme(p, p.r, true);
    EXPECT_EQ(En(sin, 1000, 13300), "Carga viva alternada: no");
    EXPECT_EQ(En(con, 1000, 13300), "Carga viva alternada: sí");
    EXPECT_EQ(sin.size(), con.size());
}

// The example with cantilevers without the arrangements: the notice is a
// paragraph in the free space between "Carga viva alternada: no" and the
// closing rule, every other item as without it. With the arrangements, none.
TEST(Informe, AvisoDeAlternanciaEnElEspacioLibre) {
    const ProyectoCalculado p = Abierto("viga_t_vuelos.kvx"),
                            con = Abierto("viga_t_vuelos.kvx", true);
    const std::string aviso = AvisoAlternanciaInforme(p, p.r);
    ASSERT_FALSE(aviso.empty());
    ProyectoCalculado sinAviso = p;
    sinAviso.r.AvisoAlternancia.clear();
    auto claves = [](const std::vector<ElementoInforme>& pg) {
        std::vector<std::tuple<int, std::string, double, double, double, double>> c;
        for (const ElementoInforme& e : pg) c.emplace_back(e.tipo, e.texto, e.x, e.y, e.x2, e.y2);
        return c;
    };
    for (bool imprimiendo : {true, false}) {
        SCOPED_TRACE(imprimiendo);
        std::vector<ElementoInforme> otros = PaginaInforme(p, p.r, imprimiendo);
        const auto it = std::find_if(otros.begin(), otros.end(),
                                     [&](const ElementoInforme& e) { return e.texto == aviso; });
        ASSERT_NE(it, otros.end());
        const ElementoInforme parrafo = *it;
        otros.erase(it);
        EXPECT_EQ(parrafo.tipo, ElementoInforme::Parrafo);
        // Below the text line at 13300 (its height is its point size in twips),
        // above the closing rule at 14300, within the rule's width.
        const double linea = 20.0 * PuntosLetra(ElementoInforme::Cuerpo, imprimiendo);
        EXPECT_GE(parrafo.y, 13300 + linea);
        EXPECT_LE(parrafo.y + parrafo.y2, 14300);
        EXPECT_TRUE(parrafo.x >= 1000 && parrafo.x + parrafo.x2 <= 10500) << parrafo.x;
        // At least two lines of its type fit in its box.
        EXPECT_GE(parrafo.y2, 2 * 1.15 * 20 * PuntosLetra(parrafo.letra, true));
        EXPECT_EQ(claves(otros), claves(PaginaInforme(sinAviso, sinAviso.r, imprimiendo)));
        for (const ElementoInforme& e : PaginaInforme(con, con.r, imprimiendo))
            EXPECT_NE(e.tipo, ElementoInforme::Parrafo) << e.texto;
    }
}

}  // namespace
}  // namespace korvex::pruebas
