// What puts the results out of date: the data the design reads, the use
// category included; never the results a calculation writes.
#include <gtest/gtest.h>

#include <tuple>

#include "comun/Vigas.h"
#include "project/Calculo.h"
#include "project/Cambios.h"

namespace korvex::pruebas {
namespace {

TEST(ResultadosDesactualizados, CadaDatoDelDisenoYNingunResultado) {
    Proyecto p =
        Rectangular(6, 25, 50, {Puntual(2, 5, kViva, 6), Uniforme(0, 6, 1.5f, kMuerta, 6)});
    InterfazRegistro ui;
    ASSERT_TRUE(RealizarCalculos(p, ui).calculado);
    const DatosCalculados calculados = DatosCalculadosDe(p);
    // Calculated again with another use, the use put back: the results rewritten, not the data.
    p.materiales.UsoDeflexion = 3;
    ASSERT_TRUE(RealizarCalculos(p, ui).calculado);
    p.materiales.UsoDeflexion = calculados.UsoDeflexion;
    EXPECT_FALSE(Desactualizado(calculados, p));

    const std::tuple<const char*, void (*)(Proyecto&)> cambios[] = {
        {"uso", [](Proyecto& q) { q.materiales.UsoDeflexion = 2; }},
        {"f'c", [](Proyecto& q) { q.materiales.txtFc = "280"; }},
        {"fy", [](Proyecto& q) { q.materiales.cboFy = "4200"; }},
        {"recubrimiento", [](Proyecto& q) { q.materiales.txtRec = "5"; }},
        {"sección", [](Proyecto& q) { q.seccion.txtH = "55"; }},
        {"carga", [](Proyecto& q) { q.estado.Cargas[1].P1 = 6; }},
        {"carga borrada", [](Proyecto& q) { q.estado.NumCargas = 1; }},
        {"apoyo", [](Proyecto& q) { q.estado.DistK = 5; }},
        {"alternancia", [](Proyecto& q) { q.estado.AlternanciaViva = true; }},
        {"norma", [](Proyecto& q) { q.estado.Norma = "aci318-19"; }},
        {"viva sostenida", [](Proyecto& q) { q.estado.VivaSostenida = 30; }},
        {"estribo", [](Proyecto& q) { q.estado.Estribo = DiametroEstribo::MedioPulgada; }},
    };
    for (const auto& [dato, cambiar] : cambios) {
        Proyecto q = p;
        cambiar(q);
        EXPECT_TRUE(Desactualizado(calculados, q)) << dato;
    }
}

}  // namespace
}  // namespace korvex::pruebas
