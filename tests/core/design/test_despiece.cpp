// The bar schedule: which bars run and which stop, where and by which rule,
// the hooks, lengths and stirrups, worked by hand on the rectangular example
// and on a cantilever; and the rules of cut-off checked on generated beams.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "comun/Vigas.h"
#include "design/Armado.h"
#include "design/CapacidadViga.h"
#include "design/CortesBarras.h"
#include "design/Reglas.h"
#include "design/TablaVarillas.h"
#include "design/ZonasEstribos.h"
#include "e2e/ProyectosGenerados.h"
#include "project/ArchivoKvx.h"
#include "project/DatosProyecto.h"

namespace korvex::pruebas {
namespace {

using F = FuncionBarra;
using R = ReglaExtremo;

// One bar of the schedule as worked by hand: face, function, count, row of
// the bar table, layer and the rule of each end.
struct Esperada {
    bool inferior;
    F funcion;
    int cantidad, diametro, capa;
    R desde, hasta;
};

void Comparar(const std::vector<BarraDespiece>& b, const std::vector<Esperada>& e) {
    ASSERT_EQ(b.size(), e.size());
    for (std::size_t i = 0; i < e.size(); ++i) {
        SCOPED_TRACE("marca " + std::to_string(b[i].marca));
        EXPECT_EQ(b[i].marca, static_cast<int>(i) + 1);
        EXPECT_EQ(b[i].inferior, e[i].inferior);
        EXPECT_EQ(b[i].funcion, e[i].funcion);
        EXPECT_EQ(b[i].cantidad, e[i].cantidad);
        EXPECT_EQ(b[i].diametro, e[i].diametro);
        EXPECT_EQ(b[i].capa, e[i].capa);
        EXPECT_EQ(b[i].reglaDesde, e[i].desde);
        EXPECT_EQ(b[i].reglaHasta, e[i].hasta);
    }
}

// ejemplos/viga_rectangular.kvx: 25 x 50, L = 6 m on supports at 0 and 6,
// f'c 210, fy 2800, classic rules, clear cover 4, 3/8" stirrups; bottom bars
// 3 + 3 of 1" (d = 41.26), two 3/8" compression bars on top.
//   Loads: wu = 1.4 x 1.5 + 1.4 x 0.30 = 2.52 Tn/m, Pu = 1.7 x 5 = 8.5 Tn at 2,
//   1 -> 2 Tn/m (already factored) over 3..6. RJ = 14.227, RK = 13.893 Tn;
//   M(x) = 14.227 x - 1.26 x^2 for x <= 2; from the right end, u = 6 - x:
//   M(u) = 13.893 u - 2.26 u^2 + u^3 / 18.
//   Both supports simple: one third runs, 30.40 / 3 = 10.13 cm2 = the two
//   corner 1" bars of layer 1 (d = 50 - 4.9525 - 1.27 = 43.78). With the
//   compression bars (1.425 cm2 at 5.43): c = 7.03, a = 5.97 cm, Mn = 26648 x
//   (43.78 - 2.99) + 1727 x (43.78 - 5.43) = 11.53e5, phi Mn = 10.38 Tn.m.
//   Theoretical cut-offs: 1.26 x^2 - 14.227 x + 10.38 = 0 -> x = 0.784 m;
//   M(u) = 10.38 -> u = 0.867, x = 5.133 m.
//   Extended by max(41.26, 12 x 2.54) = 41.26 cm (ld = 2800 x 2.54 / (5.3
//   sqrt 210) = 92.6 cm from the largest moment at 2.27 m gives less): 0.371
//   and 5.546 m, both in the sagging zone. There Vu = 14.227 - 2.52 x 0.371 =
//   13.29 Tn and 13.893 - 2.52 x 0.454 - (2 x 0.454 - 0.454^2 / 6) = 11.87
//   Tn, while the 3/8"@23 give phi Vn = 0.85 (9166 + 2 x 0.7126 x 2800 x 46 /
//   23) = 14575 Kgr: 2/3 of it is 9716, 3/4 is 10931, both below Vu, and the
//   shear grows towards the supports, so the cut bars run to the ends: no
//   bar is cut, and the schedule has 3 1" of each layer running end to end.
//   Hooks: at a simple end support a bar has no ld past it: 12 x 2.54 =
//   30.48 cm at each end; 6 - 0.08 + 0.61 = 6.53 m.
//   Stirrups 25 - 8 = 17 by 50 - 8 = 42 cm, hooks max(6 x 0.9525, 7.5) = 7.5:
//   2 (17 - 0.95) + 2 (42 - 0.95) + 15 = 129.2 cm -> 1.30 m.
TEST(Despiece, EjemploRectangularComoAMano) {
    const ProyectoCalculado p = Abierto("viga_rectangular.kvx");
    const DespieceViga& d = p.r.Despiece;
    EXPECT_TRUE(d.avisos.empty());
    Comparar(d.barras, {{true, F::Corrida, 3, 0, 1, R::ExtremoViga, R::ExtremoViga},
                        {true, F::Corrida, 3, 0, 2, R::ExtremoViga, R::ExtremoViga},
                        {false, F::Compresion, 2, 3, 1, R::ExtremoViga, R::ExtremoViga}});
    ASSERT_EQ(d.barras.size(), 3u);
    for (int i : {0, 1}) {
        EXPECT_FLOAT_EQ(d.barras[i].desde, 0.04f);
        EXPECT_FLOAT_EQ(d.barras[i].hasta, 5.96f);
        EXPECT_NEAR(d.barras[i].ganchoDesde, 30.48, 1e-3);
        EXPECT_NEAR(d.barras[i].ganchoHasta, 30.48, 1e-3);
        EXPECT_FLOAT_EQ(d.barras[i].longitud, 6.53f);
    }
    EXPECT_EQ(d.barras[2].ganchoDesde + d.barras[2].ganchoHasta, 0);

    const ArmadoCara& cara = p.r.Armado[0];
    const Reparto rp = RepartirBarras(cara.barras, 1.0 / 3);
    EXPECT_EQ(rp.corridas, (std::vector<GrupoBarras>{{2, 0, 1}}));
    const SeccionCara sc{&cara, &p.r.Pasos.flexionPos, 50, 210, 2800};
    EXPECT_NEAR(PhiMnBarras(sc, rp.corridas, ReglasPorClave(kReglasClasicas)) / 1e5, 10.38, 0.02);

    ASSERT_EQ(d.desarrollo.size(), 1u);
    EXPECT_NEAR(d.desarrollo[0].ld.ld, 92.6, 0.2);
    EXPECT_NEAR(d.desarrollo[0].extension, 41.26, 0.01);
    ASSERT_EQ(d.estribos.size(), 1u);
    const EstriboDespiece& e = d.estribos[0];
    EXPECT_EQ(e.marca, 4);
    EXPECT_EQ(e.cantidad, 27);  // the one zone 3/8@23
    EXPECT_EQ(e.diametro, 3);
    EXPECT_FLOAT_EQ(e.ancho, 17);
    EXPECT_FLOAT_EQ(e.alto, 42);
    EXPECT_FLOAT_EQ(e.gancho, 7.5);
    EXPECT_FLOAT_EQ(e.longitud, 1.30f);
}

// A beam 25 x 50, L = 7 m on supports at 2 and 7 (a 2 m cantilever on the
// left), dead load 3 Tn/m, classic rules: wu = 4.2 + 0.42 = 4.62 Tn/m,
// RJ = 32.34 x 3.5 / 5 = 22.638 Tn. Hogging M = 2.31 x^2 over the cantilever
// (9.24 Tn.m at the support), 2.31 x^2 - 22.638 (x - 2) in the span, which
// vanishes at the point of inflection x = (22.638 - 9.702) / 4.62 = 2.800 m.
//   Top bars 2 3/4" + 2 1/2" in layer 1 and 1 1/2" in layer 2 (9.50 cm2,
//   d = 43.63): one third (one support is simple) is the two corner 3/4"
//   (5.70 cm2, d = 50 - 4.9525 - 0.9525 = 44.10): a = 5.70 x 2800 / 4462.5 =
//   3.577, phi Mn = 0.9 x 15961 x (44.10 - 1.79) = 6.078 Tn.m.
//   Theoretical cut-offs: 2.31 x^2 = 6.078 -> 1.622; 2.31 x^2 - 22.638 x +
//   39.198 = 0 -> 2.2465 m.
//   ld of a top 1/2" bar: 1.3 x 0.8 x 2800 x 1.27 / (5.3 sqrt 210) = 48.2 cm.
//   Left end: 1.622 - 0.436 = 1.186 (ld from the support, 2 - 0.48 = 1.52,
//   is nearer); it is in the hogging zone, Vu = 4.62 x 1.186 = 5.48 Tn <=
//   2/3 x 14575 = 9716 Kgr: it stops there, 1.18 to the cm.
//   Right end: max(2.2465 + 0.436, 2 + 0.48 (ld into the span past the
//   support of the cantilever), 2.800 + max(43.63, 15.24, 500 / 16 = 31.25)
//   = 3.236) -> past the point of inflection, 3.24 to the cm.
//   The running 3/4" bars pass 196 cm beyond the support into the cantilever
//   (ld = 72.2): no hook there; at the simple support on the right 12 x
//   1.905 = 22.86 cm, 6.92 + 0.23 = 7.15 m.
// With 5 Tn/m (wu = 7.42, 14.84 Tn.m at the support) the cut 1" top bar
// (ld = 1.3 x 92.6 = 120.3 cm) starts ld before the support: 2 - 1.203 =
// 0.797 -> 0.79, and runs at least ld past it into the span.
TEST(Despiece, VoladizoBarrasSuperiores) {
    const ProyectoCalculado c =
        Calcular(Rectangular(7, 25, 50, {Uniforme(0, 7, 3, kMuerta, 7)}, 2, 7));
    const DespieceViga& d = c.r.Despiece;
    Comparar(d.barras, {{true, F::Corrida, 2, 0, 1, R::ExtremoViga, R::ExtremoViga},
                        {false, F::Corrida, 2, 1, 1, R::ExtremoViga, R::ExtremoViga},
                        {false, F::Corte, 2, 2, 1, R::Extension, R::PuntoInflexion},
                        {false, F::Corte, 1, 2, 2, R::Extension, R::PuntoInflexion}});
    ASSERT_EQ(d.barras.size(), 4u);
    EXPECT_EQ(d.barras[0].ganchoDesde, 0);  // bottom bars through the cantilever
    EXPECT_NEAR(d.barras[1].ganchoDesde, 0, 1e-6);
    EXPECT_NEAR(d.barras[1].ganchoHasta, 22.86, 1e-3);
    EXPECT_FLOAT_EQ(d.barras[1].longitud, 7.15f);
    for (int i : {2, 3}) {
        EXPECT_NEAR(d.barras[i].corteDesde, 1.622, 0.005);
        EXPECT_NEAR(d.barras[i].corteHasta, 2.2465, 0.005);
        EXPECT_FLOAT_EQ(d.barras[i].desde, 1.18f);
        EXPECT_FLOAT_EQ(d.barras[i].hasta, 3.24f);
        EXPECT_FLOAT_EQ(d.barras[i].longitud, 2.06f);
    }

    const ProyectoCalculado c5 =
        Calcular(Rectangular(7, 25, 50, {Uniforme(0, 7, 5, kMuerta, 7)}, 2, 7));
    bool visto = false;
    for (const BarraDespiece& b : c5.r.Despiece.barras) {
        if (b.inferior || b.funcion != F::Corte) continue;
        visto = true;
        EXPECT_EQ(b.diametro, 0);
        EXPECT_EQ(b.reglaDesde, R::DesarrolloMaximo);
        EXPECT_FLOAT_EQ(b.desde, 0.79f);
        EXPECT_GE(b.hasta, 2 + 1.203 - 1e-4);
    }
    EXPECT_TRUE(visto);
}

// The extensions at their breakpoints, both sets of rules (ACI 318-19
// 9.7.3.3 and 9.7.3.8.4; ACI 318-99 12.10.3 and 12.12.3): max(d, 12 db) and
// max(d, 12 db, ln/16), cm, with ln = K - J.
TEST(Despiece, ProlongacionesEnSusQuiebres) {
    struct Caso {
        double d;
        int fila;
        float J, K;
        double extension, inflexion;
    };
    const Caso casos[] = {
        {25, 0, 0, 4, 30.48, 30.48},     // 12 x 2.54 over d; ln/16 = 25
        {44, 2, 0, 5, 44, 44},           // d over 12 x 1.27 and 500 / 16 = 31.25
        {44, 2, 1, 9, 44, 50},           // ln/16 = 800 / 16 governs
        {20, 1, 0, 3.2f, 22.86, 22.86},  // 12 x 1.905; 320 / 16 = 20
    };
    for (const std::string_view clave : {kReglasClasicas, kReglasAci318}) {
        ContextoDespiece k;
        k.corte = ReglasPorClave(clave).CorteBarras();
        for (const Caso& c : casos) {
            k.J = c.J;
            k.K = c.K;
            EXPECT_NEAR(ExtensionCorte(k, c.d, c.fila), c.extension, 1e-3) << clave << c.d;
            EXPECT_NEAR(ExtensionInflexion(k, c.d, c.fila), c.inflexion, 1e-3) << clave << c.d;
        }
    }
}

// The share that runs from end to end (ACI 318-19 9.7.3.8.1; ACI 318-99
// 12.11.1): of 4 + 3 bars of 1" the two corners are 2/7 = 0.29 of the area,
// enough for a quarter (a cantilever beyond both supports) but not for a
// third, which takes a third bar of layer 1 (3/7); layer 2 is cut first.
TEST(Despiece, TercioOCuartoCorren) {
    const std::vector<GrupoBarras> barras = {{4, 0, 1}, {3, 0, 2}};
    for (const std::string_view clave : {kReglasClasicas, kReglasAci318}) {
        ContextoDespiece k;
        k.corte = ReglasPorClave(clave).CorteBarras();
        for (const bool continuo : {false, true}) {
            k.vueloIzquierdo = true;
            k.vueloDerecho = continuo;
            const Reparto r = RepartirBarras(barras, FraccionCorrida(k));
            const int corren = continuo ? 2 : 3;
            EXPECT_EQ(r.corridas, (std::vector<GrupoBarras>{{corren, 0, 1}})) << clave;
            EXPECT_EQ(r.cortadas, (std::vector<GrupoBarras>{{4 - corren, 0, 1}, {3, 0, 2}}))
                << clave;
        }
    }
}

// Generated beams, both sets of rules: every end inside the beam and every
// length finite; every cut bar extended max(d, 12 db) past its theoretical
// cut-off unless it runs to the end; phi Mn of the bars present covers the
// demand at every station; a third (a quarter between two cantilevers) of
// the tension steel of each face runs end to end; the stirrups are those of
// the zones.
TEST(Despiece, VigasGeneradasCumplenLasReglasDeCorte) {
    int conDespiece = 0, cortadas = 0;
    for (int n = 0; n < 200; ++n) {
        if (DatosRechazados(n)) continue;
        ProyectoCalculado p;
        ASSERT_FALSE(LeerKvx(GenerarProyecto(n).kvx, p).has_value()) << n;
        if (n % 2 == 0) p.estado.Norma = "aci318-19";
        InterfazRegistro ui;
        p.r = RealizarCalculos(p, ui);
        const DespieceViga& d = p.r.Despiece;
        SCOPED_TRACE("proyecto " + std::to_string(n));
        if (!p.r.calculado || p.r.disenoFallido) {
            EXPECT_TRUE(d.barras.empty());
            continue;
        }
        if (d.barras.empty()) {
            EXPECT_FALSE(d.avisos.empty());
            continue;
        }
        ++conDespiece;
        const float L = p.estado.LuzViga, J = p.estado.DistJ, K = p.estado.DistK;
        const bool continuo = J > 0.005f && L - K > 0.005f;
        const ReglasDiseno& reglas = ReglasPorClave(p.estado.Norma);
        const double fc = p.r.Pasos.flexionPos.fc, fy = p.r.Pasos.flexionPos.fy;
        const double rec = DatosVigaDe(p).opciones.recubrimientoLibre;  // cm
        for (const ArmadoCara& a : p.r.Armado) {
            const SeccionCara sc{&a, a.inferior ? &p.r.Pasos.flexionPos : &p.r.Pasos.flexionNeg,
                                 a.dReal + Centroide(a.barras, a.libreLateral).centroide, fc, fy};
            std::vector<GrupoBarras> corridas;
            for (const BarraDespiece& b : d.barras) {
                if (b.inferior == a.inferior && b.funcion == F::Corrida)
                    corridas.push_back({b.cantidad, b.diametro, b.capa});
            }
            double corrida = 0;
            for (const BarraDespiece& b : d.barras) {
                if (b.inferior != a.inferior) continue;
                EXPECT_TRUE(std::isfinite(b.desde) && std::isfinite(b.hasta));
                EXPECT_GE(b.desde, 0);
                EXPECT_LE(b.hasta, L);
                EXPECT_LT(b.desde, b.hasta);
                EXPECT_GE(b.longitud + 1e-4, b.hasta - b.desde);
                const double area = b.cantidad * kAreaVarilla[static_cast<std::size_t>(b.diametro)];
                if (b.funcion == F::Corrida) corrida += area;
                if (b.funcion != F::Corrida && b.funcion != F::Corte) continue;
                // A 90 degree hook (12 db) where the bar reaches an end of the
                // beam with less than ld past the support of that side.
                const double db = kDiametroVarilla[static_cast<std::size_t>(b.diametro)];
                const double ld =
                    reglas.LongitudDesarrollo(fc, fy, static_cast<float>(db), !b.inferior).ld;
                if (b.reglaDesde == R::ExtremoViga) {
                    EXPECT_EQ(b.ganchoDesde > 0, J * 100 - rec < ld) << b.marca;
                }
                if (b.reglaHasta == R::ExtremoViga) {
                    EXPECT_EQ(b.ganchoHasta > 0, (L - K) * 100 - rec < ld) << b.marca;
                }
                if (b.funcion != F::Corte) continue;
                // An end left where its face is in tension: Vu <= 2/3 phi Vn, or
                // the running bars give twice the area needed and Vu <= 3/4 phi Vn.
                for (const auto& [x, regla] :
                     {std::pair{b.desde, b.reglaDesde}, std::pair{b.hasta, b.reglaHasta}}) {
                    const int i = EstacionDe(p.r, x);
                    const float mu = DemandaCara(p.r, a.inferior)[static_cast<std::size_t>(i)];
                    if (regla == R::ExtremoViga || !(mu > 0)) continue;
                    const double Vu = CortanteEstacion(p.r, i) * 1000;  // Kgr
                    const double phiVn =
                        PhiVnEn(p.r, reglas, p.r.DiagX[static_cast<std::size_t>(i)]);
                    const bool doble = PhiMnBarras(sc, corridas, reglas, 0.5) / 1e5 >= mu;
                    EXPECT_TRUE(Vu <= 2.0 / 3 * phiVn || (doble && Vu <= 0.75 * phiVn))
                        << b.marca << " x = " << x;
                }
                ++cortadas;
                const double ext =
                    std::max<double>(a.dReal,
                                     12 * kDiametroVarilla[static_cast<std::size_t>(b.diametro)]) /
                    100;
                if (b.reglaDesde != R::ExtremoViga) {
                    EXPECT_GE(b.corteDesde - b.desde, ext - 1e-4) << b.marca;
                }
                if (b.reglaHasta != R::ExtremoViga) {
                    EXPECT_GE(b.hasta - b.corteHasta, ext - 1e-4) << b.marca;
                }
            }
            EXPECT_GE(corrida, (continuo ? 0.25 : 1.0 / 3) * a.AsProvisto - 1e-4);

            const std::vector<float> m = DemandaCara(p.r, a.inferior);
            for (const CapacidadCara& cap : d.capacidad) {
                if (cap.inferior != a.inferior) continue;
                ASSERT_EQ(cap.phiMn.size(), m.size());
                for (std::size_t i = 1; i < m.size(); ++i) {
                    ASSERT_TRUE(std::isfinite(cap.phiMn[i]));
                    EXPECT_GE(cap.phiMn[i] + 1e-3, m[i]) << "x = " << p.r.DiagX[i];
                }
            }
        }
        int estribos = 0;
        for (const ZonaEstribos& z : p.r.ZonasEstribos) estribos += z.cantidad;
        EXPECT_EQ(d.estribos.empty() ? 0 : d.estribos[0].cantidad, estribos);
    }
    EXPECT_GT(conDespiece, 20);
    EXPECT_GT(cortadas, 10);
}

}  // namespace
}  // namespace korvex::pruebas
