// The open project's document: the saved image that tells unsaved changes,
// and the data of the last calculation that tell results out of date.
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

}  // namespace
}  // namespace korvex::pruebas
