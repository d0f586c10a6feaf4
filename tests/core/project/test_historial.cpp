// The names of the undo steps, and what putting a project back restores.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "comun/Vigas.h"
#include "project/Historial.h"

namespace korvex::pruebas {
namespace {

TEST(PasosDelHistorial, CadaCambioConSuNombreYLosCamposTecleados) {
    const Proyecto base = Rectangular(
        6, 25, 50, {Puntual(1, 1, kViva, 6), Puntual(2, 2, kViva, 6), Puntual(3, 3, kViva, 6)});
    using Cambio = void (*)(Proyecto&);
    const std::tuple<Cambio, const char*, bool> casos[] = {
        {[](Proyecto&) {}, "", false},
        {[](Proyecto& p) { AgregarCarga(p.estado, Puntual(4, 4, kMuerta, 6)); }, "Agregar carga",
         false},
        // The second of three deleted: the third moves up, still named 2.
        {[](Proyecto& p) {
             p.estado.Cargas.erase(p.estado.Cargas.begin() + 2);
             p.estado.NumCargas = 2;
         },
         "Borrar carga 2", false},
        {[](Proyecto& p) {
             p.estado.Cargas.pop_back();
             p.estado.NumCargas = 2;
         },
         "Borrar carga 3", false},
        {[](Proyecto& p) { p.estado.Cargas[3].P1 = 9; }, "Modificar carga 3", false},
        {[](Proyecto& p) { ReiniciarCargas(p.estado); }, "Limpiar cargas", false},
        // Two rows swapped: neither one added, deleted nor modified.
        {[](Proyecto& p) { std::swap(p.estado.Cargas[1], p.estado.Cargas[2]); }, "Cambiar cargas",
         false},
        {[](Proyecto& p) { p.materiales.txtFc = "280"; }, "Cambiar f'c", true},
        {[](Proyecto& p) { p.materiales.cboFy = "4200"; }, "Cambiar fy", true},
        {[](Proyecto& p) { p.materiales.txtRec = "5"; }, "Cambiar recubrimiento", true},
        {[](Proyecto& p) { p.seccion.txtH = "55"; }, "Cambiar sección", true},
        {[](Proyecto& p) { p.estado.LuzViga = 7; }, "Cambiar longitud de la viga", true},
        {[](Proyecto& p) { p.estado.DistK = 5; }, "Cambiar apoyos", true},
        {[](Proyecto& p) { p.estado.AlternanciaViva = !p.estado.AlternanciaViva; },
         "Cambiar alternancia de la carga viva", false},
        {[](Proyecto& p) { p.estado.Norma = "aci318-19"; }, "Cambiar norma de diseño", false},
        {[](Proyecto& p) { p.estado.VivaSostenida = 30; }, "Cambiar carga viva sostenida", true},
        {[](Proyecto& p) { p.estado.RecubrimientoLibre = 5; }, "Cambiar recubrimiento libre", true},
        {[](Proyecto& p) {
             p.estado.BarrasInferior = BarrasUsuario{1, 5};
         },
         "Cambiar varillas de la cara inferior", false},
        {[](Proyecto& p) {
             p.estado.BarrasSuperior = BarrasUsuario{2, 3};
         },
         "Cambiar varillas de la cara superior", false},
        {[](Proyecto& p) { p.materiales.UsoDeflexion = 3; }, "Cambiar uso", false},
        // Results of a calculation and window state are no step.
        {[](Proyecto& p) {
             p.estado.PeralteEfectivo = 46;
             p.ventana.optPuntual = true;
         },
         "", false},
        // A load added with the beam's first length: the load names it.
        {[](Proyecto& p) {
             p.estado.LuzViga = 8;
             AgregarCarga(p.estado, Puntual(7, 1, kViva, 8));
         },
         "Agregar carga", false},
    };
    for (const auto& [cambiar, nombre, campo] : casos) {
        Proyecto p = base;
        cambiar(p);
        const PasoHistorial paso = NombrarPaso(DatosCalculadosDe(base), DatosCalculadosDe(p));
        EXPECT_EQ(paso.nombre, nombre);
        EXPECT_EQ(paso.campo, campo) << nombre;
    }
    // The table emptied: the last load deleted (which frees the beam too),
    // or the reset of a table of two.
    for (const auto& [cargas, nombre] :
         {std::pair{1, "Borrar carga 1"}, std::pair{2, "Limpiar cargas"}}) {
        Proyecto p = Rectangular(6, 25, 50, {});
        for (int i = 1; i <= cargas; ++i) AgregarCarga(p.estado, Puntual(i, 1, kViva, 6));
        Proyecto vacio = p;
        ReiniciarCargas(vacio.estado);
        EXPECT_EQ(NombrarPaso(DatosCalculadosDe(p), DatosCalculadosDe(vacio)).nombre, nombre);
    }
}

TEST(PasosDelHistorial, RestaurarDevuelveLosDatosYConservaLosDelUltimoCalculo) {
    const Proyecto antes = Rectangular(6, 25, 50, {Puntual(1, 1, kViva, 6)});
    Proyecto p = antes;
    p.materiales.txtFc = "280";
    p.ventana.optPuntual = true;
    ReiniciarCargas(p.estado);
    p.estado.PeralteEfectivo = 46;
    p.estado.MomentoDer = -3.5f;
    RestaurarDatos(p, antes);
    EXPECT_EQ(DatosCalculadosDe(p), DatosCalculadosDe(antes));
    EXPECT_EQ(p.ventana, antes.ventana);
    EXPECT_EQ(std::tuple(p.estado.PeralteEfectivo, p.estado.MomentoDer), std::tuple(46.0f, -3.5f));
}

}  // namespace
}  // namespace korvex::pruebas
