// The live-load arrangements through the calculation workflow, on the T beam
// with two cantilevers of the examples: its span-only arrangement gives a
// sagging moment of about 8.78 Tn.m where the all-loaded beam gives 3.06.
#include <gtest/gtest.h>

#include "comun/Vigas.h"
#include "project/Calculo.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;

TEST(AlternanciaEnElCalculo, VigaTConVuelosDelEjemplo) {
    Proyecto apagada, encendida;
    InterfazRegistro ui1, ui2;
    ASSERT_TRUE(AbrirProyecto(Ejemplo("viga_t_vuelos.kvx"), apagada, ui1).calculo.calculado);
    ASSERT_TRUE(
        AbrirProyecto(Ejemplo("viga_t_vuelos.kvx"), encendida, ui2, {}, true).calculo.calculado);
    const EstadoProyecto &a = apagada.estado, &e = encendida.estado;

    // Option off: the program's own design, and the notice that names it.
    EXPECT_FALSE(a.AlternanciaViva);
    EXPECT_NEAR(a.MomentoPosMax, 3.06, 0.005);
    EXPECT_NEAR(a.AsTraccionPos, 2.36, 0.01);
    EXPECT_NE(a.AvisoAlternancia.find("M(+) = 8.78 Tn.m (diseño: 3.06)"), std::string::npos)
        << a.AvisoAlternancia;
    EXPECT_NE(a.AvisoAlternancia.find("V = 14.17 Tn (diseño: 12.83)"), std::string::npos);

    // Option on: the design takes the span-only sagging moment, the shear
    // with live load off the left cantilever, and the service envelope.
    EXPECT_TRUE(e.AlternanciaViva);
    EXPECT_EQ(e.AvisoAlternancia, "");
    EXPECT_NEAR(e.MomentoPosMax, 8.78, 0.005);
    EXPECT_EQ(e.Envolvente.Extremos.MomentoPosMax.vivas, (ZonasVivas{false, true, false}));
    EXPECT_NEAR(e.AsTraccionPos, 6.9, 0.05);
    EXPECT_NEAR(e.CortanteMaxAbs, 14.17, 0.005);
    EXPECT_EQ(e.Envolvente.Extremos.CortanteMaxAbs.vivas, (ZonasVivas{false, true, true}));
    EXPECT_EQ(e.MomentoNegMax, a.MomentoNegMax);  // the hogging is the all-loaded one
    // A larger service moment cracks the positive section more.
    EXPECT_LT(e.InerciaEfectivaPos, a.InerciaEfectivaPos);
    // The diagrams themselves stay those of the whole live load.
    EXPECT_EQ(e.DiagMomento, a.DiagMomento);
}

}  // namespace
}  // namespace korvex
