// The open project's document: the saved image that tells unsaved changes,
// the result on screen, and the data of the last calculation that tell
// results out of date.
#include <gtest/gtest.h>

#include "comun/Vigas.h"
#include "project/Documento.h"

namespace korvex::pruebas {
namespace {

TEST(Documento, CambiosDesdeElArchivoYResultadosDesactualizados) {
    Documento d;
    d.proyecto() = Rectangular(6, 25, 50, {Uniforme(0, 6, 2, kMuerta, 6)});
    EXPECT_TRUE(d.Cambiado()) << "a project typed in after the document started";
    d.FijarArchivo("viga.kvx");
    EXPECT_EQ(d.archivo(), "viga.kvx");
    EXPECT_FALSE(d.Cambiado()) << "its data as they stand become the saved image";
    Materiales& m = d.proyecto().materiales;
    m.txtFc = "280";
    EXPECT_TRUE(d.Cambiado());
    m.txtFc = "210";
    EXPECT_FALSE(d.Cambiado()) << "the data brought back";

    // No results to compare: never out of date.
    EXPECT_FALSE(d.HayCalculados());
    m.txtRec = "6";
    EXPECT_FALSE(d.Desactualizado());
    m.txtRec = "4";
    d.FijarCalculados(true);
    EXPECT_TRUE(d.HayCalculados() && !d.Desactualizado());
    m.UsoDeflexion = 3;
    EXPECT_TRUE(d.Desactualizado()) << "the use category is read by the results";
    EXPECT_FALSE(d.Cambiado()) << "and kept by no file";
    m.UsoDeflexion = 1;
    EXPECT_FALSE(d.Desactualizado());
    // Results cleared stay out of date with the same data, until the next calculation.
    d.BorrarResultados();
    EXPECT_TRUE(d.Desactualizado());
    d.FijarCalculados(true);
    EXPECT_FALSE(d.Desactualizado());
    d.BorrarResultados();
    d.FijarCalculados(false);
    EXPECT_FALSE(d.HayCalculados() || d.Desactualizado());
}

// The result on screen is that of the last calculation that ran: a
// calculation refused or not run leaves it, the resets clear in it what the
// windows stop showing, and the project's state holds none of it.
TEST(Documento, ResultadoDelUltimoCalculoQueCorrio) {
    Documento d;
    d.proyecto() = Rectangular(6, 25, 50, {Uniforme(0, 6, 2, kMuerta, 6)});
    InterfazRegistro ui;
    EXPECT_EQ(d.resultado(), ResultadoCalculo{}) << "none before a calculation";
    ASSERT_TRUE(d.Calcular(ui));
    const ResultadoCalculo primero = d.resultado();
    ASSERT_TRUE(primero.calculado && primero.MomentoPosMax > 0 && primero.AsTraccionPos > 0);
    EXPECT_EQ(d.proyecto().estado.PeralteEfectivo, primero.PeralteEfectivo) << "the file's d";

    d.proyecto().estado.DistK = d.proyecto().estado.DistJ;  // refused
    EXPECT_FALSE(d.Calcular(ui));
    EXPECT_EQ(d.resultado(), primero);
    d.proyecto().estado.DistK = 6;
    d.proyecto().materiales.txtFc.clear();  // not run
    EXPECT_FALSE(d.Calcular(ui));
    EXPECT_EQ(d.resultado(), primero);

    // Every value a reset may clear set, so that each one cleared shows.
    ResultadoCalculo lleno = primero;
    lleno.CortanteMin = lleno.MomentoNegMax = -1;
    lleno.AsCompresionPos = lleno.AsTraccionNeg = lleno.AsCompresionNeg = 1;
    lleno.AvisoAlternancia = "aviso";
    d.FijarResultado(lleno);
    ResultadoCalculo cargas = lleno;
    cargas.CortanteMaxAbs = cargas.CortanteMax = cargas.CortanteMin = 0;
    cargas.MomentoPosMax = cargas.MomentoNegMax = cargas.MomentoMaxAbs = 0;
    d.ReiniciarCargas();
    EXPECT_EQ(d.resultado(), cargas) << "GiroMax, FlechaMax, the steel and the notice kept";
    EXPECT_EQ(d.proyecto().estado.NumCargas, 0);
    ResultadoCalculo general = cargas;
    general.AsTraccionPos = general.AsCompresionPos = 0;
    general.AsTraccionNeg = general.AsCompresionNeg = 0;
    general.AvisoAlternancia.clear();
    d.FijarResultado(lleno);
    d.ReiniciarGeneral();
    EXPECT_EQ(d.resultado(), general);
}

}  // namespace
}  // namespace korvex::pruebas
