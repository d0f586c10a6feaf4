// The typed input read from a project record: every value of the example
// files as the engineer typed it, and the readings the calculation relies on
// (an empty f'c, an unknown section key, rows marked for removal, a
// rectangle that keeps the flange of an earlier T in its stored fields).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "comun/Vigas.h"
#include "project/ArchivoKvx.h"
#include "project/DatosProyecto.h"
#include "project/OpcionesArmado.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;

Proyecto Leido(const char* ejemplo) {
    Proyecto p;
    EXPECT_FALSE(LeerArchivoKvx(Ejemplo(ejemplo), p)) << ejemplo;
    return p;
}

TEST(DatosViga, EjemploTConVuelosTalComoSeEscribio) {
    // 8,"210","4200","4","60","25","10","40",... "Viga_T" ... 1.5, 6.5 and
    // six loads (see the file).
    const DatosViga d = DatosVigaDe(Leido("viga_t_vuelos.kvx"));
    EXPECT_EQ(d.longitud, 8.0f);
    EXPECT_EQ(d.apoyos, (std::vector<float>{1.5f, 6.5f}));
    EXPECT_EQ(d.ApoyoIzquierdo(), 1.5f);
    EXPECT_EQ(d.ApoyoDerecho(), 6.5f);
    EXPECT_EQ(d.seccion, (SeccionViga{FormaSeccion::T, 60, 10, 25, 40}));
    ASSERT_TRUE(d.materiales.fc.has_value());
    EXPECT_EQ(*d.materiales.fc, 210.0);
    EXPECT_EQ(d.materiales.fy, 4200.0);
    EXPECT_EQ(d.materiales.recubrimiento, 4.0);
    ASSERT_EQ(d.cargas.size(), 6u);
    // "3,0,5,-1.5,0,3,3,2": a moment of -1.5 Tn.m at 3 m, dead.
    EXPECT_EQ(d.cargas[5], (CargaViga{TipoCarga::Momento, CategoriaCarga::Muerta, 3, 0, 5, -1.5f,
                                      0, 3}));
    // "0,0,8,3,0,0,1,1": a live point load of 3 Tn at the left tip.
    EXPECT_EQ(d.cargas[2].tipo, TipoCarga::Puntual);
    EXPECT_EQ(d.cargas[2].categoria, CategoriaCarga::Viva);
    EXPECT_EQ(d.cargas[2].p1, 3.0f);
    // "4,0,4,2,0,4,3,3": a moment already factored.
    EXPECT_EQ(d.cargas[4].categoria, CategoriaCarga::Otros);
    EXPECT_FALSE(d.opciones.alternancia);
    EXPECT_EQ(d.opciones.estribo, DiametroEstribo::SinElegir);
}

TEST(DatosViga, RectanguloCampoVacioYFilasMarcadas) {
    Proyecto p = Leido("viga_rectangular.kvx");
    // A rectangle keeps the flange of a T defined before it in its stored
    // fields; its typed section is b and h only.
    p.seccion.txtBw = "30";
    p.seccion.txtHw = "12";
    p.seccion.Bf = 90;
    p.materiales.txtFc = "";
    p.materiales.cboFy = " 4200 ";
    p.materiales.txtRec = "4,5";  // not a number in the period notation
    p.materiales.UsoDeflexion = 3;
    p.estado.AlternanciaViva = true;
    p.estado.Cargas[2].Tipo = 0;  // marked for removal
    p.estado.RecubrimientoLibre = 5.5f;
    p.estado.BarrasSuperior = BarrasUsuario{2, 4};
    const DatosViga d = DatosVigaDe(p);
    EXPECT_EQ(d.seccion, (SeccionViga{FormaSeccion::Rectangular, 25, 50, 0, 0}));
    EXPECT_FALSE(d.materiales.fc.has_value());
    EXPECT_EQ(d.materiales.fy, 4200.0);
    EXPECT_EQ(d.materiales.recubrimiento, 4.0);  // read up to the comma
    EXPECT_EQ(d.opciones.usoDeflexion, 3);
    EXPECT_TRUE(d.opciones.alternancia);
    // The clear cover and the user's bars reach the design as given.
    EXPECT_EQ(d.opciones.recubrimientoLibre, 5.5f);
    EXPECT_EQ(d.opciones.barrasSuperior, (BarrasUsuario{2, 4}));
    EXPECT_FALSE(d.opciones.barrasInferior);
    ASSERT_EQ(static_cast<int>(d.cargas.size()), p.estado.NumCargas - 1);
    EXPECT_EQ(d.cargas[1].a, p.estado.Cargas[3].A);

    p.seccion.TipoViga = "Viga_X";
    EXPECT_EQ(DatosVigaDe(p).seccion, SeccionViga{});
    EXPECT_EQ(FormaDe("Viga_Ti"), FormaSeccion::TInvertida);
    EXPECT_EQ(FormaDe(""), FormaSeccion::SinDefinir);
}

// The clear cover typed in the main window: a number of 0 or more that
// leaves width between the stirrups, half the width the bars sit in being
// the limit: b = 25 of the rectangle, bw = 25 of the T (not its 60 cm
// flange); without a section only the sign is checked.
TEST(DatosViga, RecubrimientoLibreDejaAnchoEnElAlma) {
    const Proyecto rect = Leido("viga_rectangular.kvx"), t = Leido("viga_t_vuelos.kvx");
    Proyecto sin;
    const std::tuple<const Proyecto*, const char*, bool> casos[] = {
        {&rect, "0", true},     {&rect, "12.4", true},  {&rect, "12.5", false},
        {&rect, "-0.5", false}, {&rect, "4 cm", false}, {&rect, "", false},
        {&t, "12.4", true},     {&t, "20", false},      {&sin, "20", true},
    };
    for (const auto& [p, texto, acepta] : casos) {
        SCOPED_TRACE(texto);
        float v = -1;
        const std::string razon = LeerRecubrimientoLibre(texto, *p, v);
        EXPECT_EQ(razon.empty(), acepta) << razon;
        if (acepta) {
            EXPECT_EQ(v, std::stof(texto));
        } else {
            EXPECT_NE(razon.find("recubrimiento libre (cm)"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace korvex
