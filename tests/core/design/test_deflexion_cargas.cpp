// Deflection judged load by load under ACI 318-19 (Table 24.2.2): each load
// level with its own Ma and Ie at the zone's section.
#include <gtest/gtest.h>

#include "Casos.h"
#include "design/Deflexion.h"
#include "design/Reglas.h"

namespace korvex::pruebas {
namespace {

const ReglasDiseno& Aci() {
    return ReglasPorClave(kReglasAci318);
}

// A 30 x 50 rectangle (cover 5, d = 45) on supports J and K of a beam of
// length L under the uniform loads `cargas`, analysed with the ACI rules
// (Ec = 15100 sqrt(210) = 218,820 Kgr/cm2), with the steel of each section.
Caso Viga(float L, float K, std::initializer_list<Carga> cargas, float As, float Asc, float AsN,
          float AscN) {
    Caso c = Rect(30, 50, 5);
    c.L = L;
    c.K = K;
    Proyecto p;
    PonerSeccion(p, kVigaRect, "30", "50");
    PonerViga(p.estado, L, cargas, 0, K);
    p.estado.ModuloElasticidad = static_cast<float>(std::sqrt(210.0) * 15100 * 10);
    c.a = Analizar(p.estado, Aci());
    c.p = PropiedadesDe(p.estado);
    c.r.AsTraccionPos = As;
    c.r.AsCompresionPos = Asc;
    c.r.AsTraccionNeg = AsN;
    c.r.AsCompresionNeg = AscN;
    return c;
}

void Cerca(double valor, double esperado, double tolerancia = 2e-4) {
    EXPECT_LT(Relativo(valor, esperado), tolerancia) << valor << " vs " << esperado;
}

// Simple span of 6 m. Ig = 30 x 50^3 / 12 = 312,500 cm4, fr = 2 sqrt(210) =
// 28.98, Mcr = 28.98 x 312,500 / 25 = 362,284 Kgr.cm = 3.623 Tn.m, 2/3 Mcr =
// 2.415 Tn.m. n = 2,040,000 / 218,820 = 9.3227. As = 8 at d = 45, A's = 3 at
// d' = 5: 15 kd^2 + n 11 kd - n (8 x 45 + 3 x 5) = 0, kd = 12.226 cm, Icr =
// 30 kd^3 / 3 + n 8 (45 - kd)^2 + n 3 (kd - 5)^2 = 99,846 cm4.
// Loads: self weight 0.36, dead 0.10, live 1.50 Tn/m.
//   D     : w = 0.46, Ma = w 36 / 8 = 2.07 Tn.m <= 2.415: Ie = Ig.
//   D + L : w = 1.96, Ma = 8.82: Ie = Icr / (1 - (2.415 / 8.82)^2 (1 - Icr / Ig))
//           = 105,215 cm4.
//   D + 0.3 L: w = 0.91, Ma = 4.095: Ie = 130,812 cm4.
// Delta = 5 w L^4 / (384 Ec Ie), Ec = 2,188,198 Tn/m2:
//   Delta_D = 3.5474e-6 m5 / 312,500e-8 m4 = 0.0011352 m, Delta_D+L =
//   1.51152e-5 / 105,215e-8 = 0.014366 m, Delta_sost = 7.01776e-6 / 130,812e-8
//   = 0.0053648 m; Delta_L = 0.014366 - 0.0011352 = 0.013231 m.
// Use 2: 0.013231 <= 6 / 360 = 0.016667, no warning.
// Use 3: rho' = 3 / (30 x 45) = 0.002222, lambda = 2 / (1 + 50 rho') = 1.8;
//   1.8 x 0.0053648 + 0.013231 = 0.022887 > 6 / 480 = 0.0125, the warning.
TEST(FlechaPorCargas, VigaSimpleConCadaCargaYSuInercia) {
    const float L = 6;
    Caso c = Viga(L, L,
                  {Uniforme(0, L, 0.1f, kMuerta, L), Uniforme(0, L, 1.5f, kViva, L)}, 8, 3, 0,
                  0);
    for (int uso : {2, 3}) {
        SCOPED_TRACE(uso);
        DatosViga d = c.d();
        d.opciones.usoDeflexion = uso;
        d.opciones.vivaSostenida = 30;
        ResultadoDiseno r = c.r;
        ASSERT_TRUE(FlechaPorCargas(r, c.a, c.s, d, c.p, Aci()));
        InterfazRegistro ui;
        Check_base_Deflex(r, c.s, d, Aci(), ui);
        const PasoDeflexion& x = r.Pasos.deflexion;
        ASSERT_EQ(x.zonas.size(), 1u);
        const PasoZonaDeflexion& z = x.zonas[0];
        EXPECT_TRUE(z.positivo);
        EXPECT_NEAR(z.xSeccion, 3, 1e-6);
        Cerca(z.seccion.Icr, 99846);
        Cerca(z.muerta.Ma, 2.07);
        EXPECT_EQ(z.muerta.Ie, z.seccion.Ig);
        Cerca(z.seccion.Ig, 312500);
        Cerca(z.total.Ma, 8.82);
        Cerca(z.total.Ie, 105215);
        Cerca(z.sostenida.Ma, 4.095);
        Cerca(z.sostenida.Ie, 130812);
        Cerca(z.muerta.delta, 0.0011352);
        Cerca(z.total.delta, 0.014366);
        Cerca(z.sostenida.delta, 0.0053648);
        Cerca(z.deltaViva, 0.013231);
        Cerca(z.lambda, 1.8, 1e-6);
        const float comparada = uso == 2 ? 0.013231f : 0.022887f;
        Cerca(z.FlechaComparada, comparada);
        Cerca(FlechaLargoPlazo(Aci(), r, uso), comparada);
        EXPECT_NEAR(z.limite, uso == 2 ? L / 360.0 : L / 480.0, 1e-9);
        EXPECT_EQ(ui.mensajes, uso == 2 ? std::vector<Mensaje>{} : std::vector<Mensaje>{kAviso});
        EXPECT_FLOAT_EQ(r.LambdaDeflexion, uso == 2 ? 1.0f : 1.8f);
    }
}

// 7 m beam on supports at 0 and 5 (a 2 m right cantilever) under 2.0 Tn/m dead
// plus 0.36 self weight, w = 2.36: R1 = w 7 (5 - 3.5) / 5 = 2.1 w, mid-span
// M(2.5) = 2.1 w 2.5 - w 2.5^2 / 2 = 2.125 w = 5.015 Tn.m sagging; at the
// support M(5) = -w 2^2 / 2 = -4.72 Tn.m.
// The span takes the positive section (As 8, A's 3: Icr = 99,846 above), Ie =
// Icr / (1 - (2.415 / 5.015)^2 (1 - Icr / Ig)) = 118,559 cm4, rho' = 3 / 1350 =
// 0.002222. The cantilever the negative one at the support (As 6, A's 1.5:
// 15 kd^2 + n 7.5 kd - n (6 x 45 + 1.5 x 5) = 0, kd = 11.007, Icr = 78,476),
// Ie = Icr / (1 - (2.415 / 4.72)^2 (1 - Icr / Ig)) = 97,617 cm4, rho' = 1.5 /
// 1350 = 0.001111, lambda = 2 / (1 + 0.05556) = 1.8947.
TEST(FlechaPorCargas, VoladizoConLaSeccionDelApoyoYTramoConLaDelCentro) {
    Caso c = Viga(7, 5, {Uniforme(0, 7, 2.0f, kMuerta, 7)}, 8, 3, 6, 1.5f);
    ResultadoDiseno r = c.r;
    ASSERT_TRUE(FlechaPorCargas(r, c.a, c.s, c.d(), c.p, Aci()));
    const std::vector<PasoZonaDeflexion>& z = r.Pasos.deflexion.zonas;
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0].zona, kTramo);
    EXPECT_TRUE(z[0].positivo);
    EXPECT_NEAR(z[0].xSeccion, 2.5, 1e-6);
    Cerca(z[0].total.Ma, 5.015);
    Cerca(z[0].total.Ie, 118559);
    Cerca(z[0].rhoCompresion, 3 / 1350.0, 1e-6);
    EXPECT_EQ(z[1].zona, kVueloDerecho);
    EXPECT_FALSE(z[1].positivo);
    EXPECT_NEAR(z[1].xSeccion, 5, 1e-6);
    Cerca(z[1].total.Ma, 4.72);
    Cerca(z[1].seccion.Icr, 78476);
    Cerca(z[1].total.Ie, 97617);
    Cerca(z[1].rhoCompresion, 1.5 / 1350.0, 1e-6);
    Cerca(z[1].lambda, 1.8947);
    // Without live load every level is the dead load.
    EXPECT_EQ(z[1].muerta.Ie, z[1].total.Ie);
    EXPECT_EQ(z[1].deltaViva, 0);
}

}  // namespace
}  // namespace korvex::pruebas
