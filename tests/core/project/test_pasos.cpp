// The record of a calculation's steps against a hand calculation, against
// the results on screen, and cut short by a flexural failure.
#include <gtest/gtest.h>

#include <tuple>

#include "comun/Vigas.h"
#include "project/Calculo.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;
using pruebas::ProyectoCalculado;

// ejemplos/viga_rectangular.kvx: b = 25, h = 50, cover 4 (d = 46 cm, d' = 4),
// f'c = 210, fy = 2800, Mu = 23.50688 Tn.m = 2 350 688 Kgr.cm.
//   beta1 = 0.85 (f'c <= 280); eps_y = 2800 / 2 040 000 = 0.0013725;
//   eps_lim = 0.001 + 4/3 x 0.0013725 = 0.0028301; k = 0.003 / 0.0058301 = 0.51457;
//   qmax = 0.85 x 0.51457 = 0.43739; Rn,max = 0.85 x 0.43739 x (1 - 0.21869) = 0.29047;
//   rho_b = 0.85 x 0.85 x (210/2800) x 0.003 / 0.0043725 = 0.037178;
//   rho_max = 0.85 x 0.43739 x 210/2800 = 0.027884;
//   Rn = 2 350 688 / (0.9 x 210 x 25 x 46^2) = 0.235113 <= Rn,max: singly reinforced;
//   omega = 0.85 (1 - sqrt(1 - 0.235113/0.425)) = 0.281839; a = 0.331575 x 46 = 15.2525 cm;
//   As = 0.281839 x 210/2800 x 25 x 46 = 24.3086 cm2;
//   As,min = max(0.8 sqrt(210) 25 x 46 / 2800 = 4.7615, 14.5 x 25 x 46 / 2800 = 5.9554).
//   Suggested bars 4 x 1" + 1 x 3/4" + 1 x 1/2" = 24.3853 cm2: a = 24.3853 x 2800 /
//   (0.85 x 210 x 25) = 15.3006 cm, phi Mn = 0.9 x 68 278.8 x (46 - 7.6503)
//   = 2 356 627 Kgr.cm >= Mu.
// With h = 20 the section is insufficient: the record stops where the design
// stopped.
TEST(PasosDelCalculo, FlexionDelEjemploRectangularAManoYConUnaSeccionInsuficiente) {
    ProyectoCalculado p;
    InterfazRegistro ui;
    p.r = AbrirProyecto(Ejemplo("viga_rectangular.kvx"), p, ui).calculo;
    ASSERT_TRUE(p.r.calculado);
    const PasoFlexion& f = p.r.Pasos.flexionPos;
    ASSERT_TRUE(f.calculado);
    EXPECT_NEAR(f.Mu, 2350688, 1);
    EXPECT_EQ(std::tie(f.b, f.d, f.dp, f.beta1), std::make_tuple(25.0f, 46.0f, 4.0f, 0.85f));
    EXPECT_NEAR(f.epsLim, 0.0028301, 1e-7);
    EXPECT_NEAR(f.qmax, 0.43739, 1e-5);
    EXPECT_NEAR(f.RnMax, 0.29047, 1e-5);
    EXPECT_NEAR(f.rhoBalanceada, 0.037178, 1e-6);
    EXPECT_NEAR(f.rhoMaxima, 0.027884, 1e-6);
    EXPECT_NEAR(f.Rn, 0.235113, 1e-6);
    EXPECT_NEAR(f.omega, 0.281839, 1e-6);
    EXPECT_NEAR(f.a, 15.2525, 1e-3);
    EXPECT_NEAR(f.As, 24.3086, 1e-3);
    EXPECT_NEAR(f.AsMin1, 4.7615, 1e-3);
    EXPECT_NEAR(f.AsMin, 5.9554, 1e-3);
    EXPECT_FALSE(f.dobleArmado || f.alivio);
    const PasoVarillas& v = p.r.Pasos.varillas[0];
    EXPECT_EQ(v.cuenta, (std::array<int, 4>{4, 1, 1, 0}));
    EXPECT_NEAR(v.AsProvisto, 24.3853, 1e-3);
    EXPECT_NEAR(v.aProvisto, 15.3006, 1e-3);
    EXPECT_NEAR(v.phiMn, 2356627, 5);
    EXPECT_TRUE(v.resiste);
    // R1: live point 8.5 Tn factored x 4/6 = 5.6667, dead 1.5 and self weight
    // 0.3 Tn/m factored 2.52 x 3 = 7.56, the "Otros" trapezoid 1.0: 14.2267 Tn.
    EXPECT_NEAR(p.r.Pasos.reacciones.R1Factorizada, 14.2267, 1e-3);
    // No hogging moment: the negative design is the minimum-steel rule on 0.
    EXPECT_EQ(p.r.Pasos.flexionNeg.As, 0.0f);
    EXPECT_TRUE(p.r.Pasos.negativaPrimero);

    p.seccion.txtH = "20";
    Calculos_Geom(p.seccion, p.estado);
    p.r = RealizarCalculos(p, ui);
    ASSERT_TRUE(p.r.calculado);
    const PasosCalculo& x = p.r.Pasos;
    EXPECT_TRUE(x.flexionNeg.calculado && x.flexionNeg.suficiente && x.flexionPos.calculado);
    EXPECT_FALSE(x.flexionPos.suficiente || x.cortante.calculado || x.deflexion.calculado);
    EXPECT_EQ(x.flexionPos.parada, Parada::Rn);
    EXPECT_GT(x.n, 0);  // recorded although the deflection step never ran
    ASSERT_EQ(x.avisos.size(), 1u);
    EXPECT_EQ(x.avisos[0].titulo, "Sección Insuficiente");
}

// What the record holds is what the state and the messages hold, so the
// report printed from it agrees with the screen.
TEST(PasosDelCalculo, ElRegistroEsLoQueElDisenoDejo) {
    for (const char* nombre :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        for (int uso : {1, 3}) {
            SCOPED_TRACE(std::string(nombre) + " uso " + std::to_string(uso));
            ProyectoCalculado p;
            p.materiales.UsoDeflexion = uso;
            InterfazRegistro ui;
            p.r = AbrirProyecto(Ejemplo(nombre), p, ui).calculo;
            ASSERT_TRUE(p.r.calculado);
            const ResultadoCalculo& e = p.r;
            const PasosCalculo& x = e.Pasos;
            EXPECT_EQ(
                std::tie(x.flexionPos.As, x.flexionPos.Asc, x.flexionNeg.As, x.flexionNeg.Asc),
                std::tie(e.AsTraccionPos, e.AsCompresionPos, e.AsTraccionNeg, e.AsCompresionNeg));
            EXPECT_EQ(std::tie(x.cortante.texto, x.cortante.s),
                      std::tie(e.txtEstribos, e.EspaciamientoEstribos));
            const PasoDeflexion& d = x.deflexion;
            EXPECT_EQ(std::make_tuple(d.FlechaEfectiva, d.positiva.Ie / 1e8, d.negativa.Ie / 1e8,
                                      d.lambda, d.largoPlazo),
                      std::make_tuple(e.FlechaEfectiva, e.InerciaEfectivaPos, e.InerciaEfectivaNeg,
                                      e.LambdaDeflexion, uso == 3));
            EXPECT_EQ(x.avisos, ui.mensajes);
            // Factors of 1.4 and 1.7 make the factored reactions the larger.
            EXPECT_GT(x.reacciones.R1Factorizada + x.reacciones.R2Factorizada,
                      x.reacciones.R1Servicio + x.reacciones.R2Servicio);
            for (const PasoVarillas& v : {x.varillas[0], x.varillas[1]}) {
                EXPECT_TRUE(!v.conCapacidad || v.resiste) << v.As;
            }
        }
    }
}

}  // namespace
}  // namespace korvex
