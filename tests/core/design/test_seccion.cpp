#include <gtest/gtest.h>

#include "Disenos.h"
#include "design/LimiteAla.h"

namespace korvex {
namespace {

// T 60/10/25/40: area 1600, Ycg = (45 x 600 + 20000) / 1600 = 29.375,
// I = 372708.33 cm4; the inverted T has the same inertia and Ycg 20.625.
TEST(CalculosGeom, EjemplosTTInvertidaYRectangulo) {
    const struct {
        prueba::Caso c;
        float area, ycg;
        double inercia;  // cm4
    } casos[] = {
        {prueba::ConAla(kVigaT, 60, 10, 25, 40), 1600, 29.375f, 372708.33},
        {prueba::ConAla(kVigaTi, 60, 10, 25, 40), 1600, 20.625f, 372708.33},
        {prueba::Rectangular(25, 50), 1250, 25, 260416.67},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.c.s.TipoViga);
        EXPECT_FLOAT_EQ(k.c.e.AreaSeccion, k.area);
        EXPECT_FLOAT_EQ(k.c.s.Ycg, k.ycg);
        EXPECT_NEAR(k.c.e.InerciaSeccion * 1e8, k.inercia, 0.05);
    }
}

TEST(CalculosGeom, CamposVaciosYTiposDesconocidos) {
    Seccion s;
    EstadoProyecto e;
    s.TipoViga = kVigaRect;
    s.txtB = "30cm";  // the leading number of the field
    Calculos_Geom(s, e);
    EXPECT_EQ(e.AnchoDiseno, 30);
    EXPECT_EQ(e.AreaSeccion, 0);
    Seccion t;
    t.TipoViga = kVigaT;  // empty fields: centroid at 0 instead of 0/0
    Calculos_Geom(t, e);
    EXPECT_EQ(t.Ycg, 0);
    EXPECT_EQ(e.InerciaSeccion, 0);
    Seccion otra;
    otra.TipoViga = "Viga_X";
    otra.txtB = "99";
    e.AreaSeccion = 7;
    Calculos_Geom(otra, e);
    EXPECT_EQ(e.AreaSeccion, 7);  // nothing computed
}

TEST(LimiteAla, CuartoDeLuzODieciseisVecesElAlaMasElAlma) {
    const struct {
        const char* tipo;
        float hf, bw, L, limite;
    } casos[] = {
        {kVigaT, 5, 20, 4, 100},  {kVigaT, 5, 10, 4, 90},        {kVigaTi, 5, 10, 4, 90},
        {kVigaT, 10, 25, 4, 100}, {kVigaRect, 1, 1, 4, 100},     {kVigaT, 5, 10, 6.1f, 90},
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
    EXPECT_EQ(MensajeBfMax(152.5f),
              (Mensaje{"La dimension bf de la viga tiene que ser menor o igual que 152.5. Para "
                       "poder intruducir una mayor dimensión de bf debe aumentar bw, hf o ambos",
                       "Dimensión insuficiente", 16}));
    // Equal passes, larger is refused; the b of a rectangle is checked too.
    Seccion s;
    s.TipoViga = kVigaT;
    s.Hf = 5;
    s.Bw = 20;
    s.txtB = "100";
    EXPECT_FALSE(VerificarBfMax(s, 4).has_value());
    s.txtB = "101";
    EXPECT_EQ(VerificarBfMax(s, 4), MensajeBfMax(100));
    s.TipoViga = kVigaRect;
    EXPECT_TRUE(VerificarBfMax(s, 4).has_value());
}

}  // namespace
}  // namespace korvex
