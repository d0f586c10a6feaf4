#include <gtest/gtest.h>

#include "Disenos.h"
#include "design/LimiteAla.h"

namespace korvex {
namespace {

using prueba::ConAla;
using prueba::Rectangular;

TEST(CalculosGeom, EjemploTDeAla60x10Alma25x40) {
    prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
    EXPECT_FLOAT_EQ(c.e.AreaSeccion, 1600);
    EXPECT_FLOAT_EQ(c.s.Ycg, 29.375f);                       // (45 x 600 + 20000) / 1600
    EXPECT_NEAR(c.e.InerciaSeccion * 1e8, 372708.33, 0.05);  // cm4
    EXPECT_NEAR(c.e.InerciaSeccion, 0.0037271, 5e-8);
    EXPECT_EQ(c.s.Bf, 60);
    EXPECT_EQ(c.s.Hf, 10);
    EXPECT_EQ(c.s.Bw, 25);
    EXPECT_EQ(c.s.Hw, 40);
}

TEST(CalculosGeom, EjemploTInvertidaMismaInercia) {
    prueba::Caso c = ConAla(kVigaTi, 60, 10, 25, 40);
    EXPECT_FLOAT_EQ(c.e.AreaSeccion, 1600);
    EXPECT_FLOAT_EQ(c.s.Ycg, 20.625f);  // (30 x 1000 + 3000) / 1600
    EXPECT_NEAR(c.e.InerciaSeccion * 1e8, 372708.33, 0.05);
}

TEST(CalculosGeom, Rectangulo25x50) {
    prueba::Caso c = Rectangular(25, 50);
    EXPECT_FLOAT_EQ(c.e.AreaSeccion, 1250);
    EXPECT_FLOAT_EQ(c.s.Ycg, 25);
    EXPECT_FLOAT_EQ(c.e.AnchoDiseno, 25);
    EXPECT_FLOAT_EQ(c.s.H, 50);
    EXPECT_NEAR(c.e.InerciaSeccion, 0.0026042, 5e-8);
}

TEST(CalculosGeom, RectanguloTrasUnaTConservaLosCamposDeLaT) {
    prueba::Caso c = ConAla(kVigaT, 60, 10, 25, 40);
    c.s.TipoViga = kVigaRect;
    c.s.txtB = "30";
    c.s.txtH = "50";
    Calculos_Geom(c.s, c.e);
    EXPECT_FLOAT_EQ(c.e.AreaSeccion, 1500);
    EXPECT_FLOAT_EQ(c.s.Ycg, 25);
    // Only H and Ycg are written for a rectangle: the design takes the
    // others as zero (see the deflection and flexure tests).
    EXPECT_EQ(c.s.Bf, 60);
    EXPECT_EQ(c.s.Hw, 40);
}

TEST(CalculosGeom, LeeElNumeroInicialDelCampoYNoCalculaTiposDesconocidos) {
    Seccion s;
    EstadoProyecto e;
    s.TipoViga = kVigaRect;
    s.txtB = "30cm";  // reads 30
    s.txtH = "";      // reads 0
    Calculos_Geom(s, e);
    EXPECT_EQ(e.AnchoDiseno, 30);
    EXPECT_EQ(e.AreaSeccion, 0);
    EXPECT_EQ(s.Ycg, 0);

    Seccion t;
    t.TipoViga = kVigaT;  // empty fields: no area, centroid at 0 instead of 0/0
    Calculos_Geom(t, e);
    EXPECT_EQ(e.AreaSeccion, 0);
    EXPECT_EQ(t.Ycg, 0);
    EXPECT_EQ(e.InerciaSeccion, 0);

    Seccion otra;
    otra.TipoViga = "Viga_X";
    otra.txtB = "99";
    EstadoProyecto f;
    f.AreaSeccion = 7;
    Calculos_Geom(otra, f);
    EXPECT_EQ(f.AreaSeccion, 7);
    EXPECT_EQ(otra.Bf, 0);
}

TEST(LimiteAla, CuartoDeLuzOAnchoDieciseisVecesElAla) {
    struct {
        const char* tipo;
        float hf, bw, L, limite;
    } casos[] = {
        {kVigaT, 5, 20, 4, 100},    // W16 = 100 = L4
        {kVigaT, 5, 10, 4, 90},     // W16 = 90 < 100
        {kVigaTi, 5, 10, 4, 90},    // same for an inverted T
        {kVigaT, 10, 25, 4, 100},   // W16 = 185 > 100
        {kVigaRect, 1, 1, 4, 100},  // rectangle: always L/4
        {kVigaT, 5, 10, 6.1f, 90},  // L4 = 152.5
        {kVigaRect, 0, 0, 6.1f, 152.5f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.tipo) + " L=" + prueba::T(c.L));
        Seccion s;
        s.TipoViga = c.tipo;
        s.Hf = c.hf;
        s.Bw = c.bw;
        EXPECT_FLOAT_EQ(BfMax(s, c.L), c.limite);
    }
}

TEST(LimiteAla, MensajeConElLimiteEnFormaSimple) {
    const Mensaje m = MensajeBfMax(152.5f);
    EXPECT_EQ(m.texto,
              "La dimension bf de la viga tiene que ser menor o igual que 152.5. Para poder "
              "intruducir una mayor dimensión de bf debe aumentar bw, hf o ambos");
    EXPECT_EQ(m.titulo, "Dimensión insuficiente");
    EXPECT_EQ(m.estilo, 16);
    EXPECT_NE(MensajeBfMax(100).texto.find("igual que 100. Para"), std::string::npos);
}

TEST(LimiteAla, IgualPasaMayorSeRechaza) {
    Seccion s;
    s.TipoViga = kVigaT;
    s.Hf = 5;
    s.Bw = 20;
    s.txtB = "100";
    EXPECT_FALSE(VerificarBfMax(s, 4).has_value());
    s.txtB = "101";
    auto m = VerificarBfMax(s, 4);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(*m, MensajeBfMax(100));

    Seccion r;  // the b of a rectangle is checked too
    r.TipoViga = kVigaRect;
    r.txtB = "120";
    EXPECT_TRUE(VerificarBfMax(r, 4).has_value());
    r.txtB = "100";
    EXPECT_FALSE(VerificarBfMax(r, 4).has_value());
}

}  // namespace
}  // namespace korvex
