#include <gtest/gtest.h>

#include <tuple>

#include "polygon/Poligono.h"

namespace korvex {
namespace {

Poligono Figura(std::initializer_list<Vertice> v) {
    Poligono p;
    for (const Vertice& q : v) p.Agregar(q.x, q.y);
    return p;
}

TEST(Poligono, CasosResueltos) {
    // The figure, its Ix (each triangle's own inertia is rounded to a Single),
    // and its area, Xcg, Ycg and centroid label.
    const std::tuple<Poligono, double, const char*> casos[] = {
        {Figura({{0, 0}, {20, 0}, {20, 40}, {0, 40}}), 106666.6667,
         "800.00 10.00 20.00 (10.00,20.00)"},
        {Figura({{0, 0}, {0, 40}, {20, 40}, {20, 0}}), 106666.6667,
         "800.00 10.00 20.00 (10.00,20.00)"},  // clockwise
        {Figura({{0, 0}, {6, 0}, {0, 3}}), 4.5, "9.00 2.00 1.00 (2.00,1.00)"},
        {Figura({{0, 0}, {30, 0}, {30, 10}, {10, 10}, {10, 40}, {0, 40}}), 85000,
         "600.00 10.00 15.00 (10.00,15.00)"},
        {Figura({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), 1.0 / 12, "1.00 .50 .50 (0.50,0.50)"},
        // The rectangle scaled by 1E+09: its triangles' own inertias exceed a Single.
        {Figura({{0, 0}, {2e10f, 0}, {2e10f, 4e10f}, {0, 4e10f}}), 106666.6666666667e36,
         "800,000,000,000,000,000,000.00 10,000,000,000.00 20,000,000,000.00 "
         "(10000000000.00,20000000000.00)"},
    };
    for (auto [p, ix, textos] : casos) {
        SCOPED_TRACE(textos);
        const ResultadoPoligono r = p.Calcular();
        ASSERT_TRUE(r.calculado);
        EXPECT_FALSE(r.mensaje.has_value());
        EXPECT_EQ(r.txtArea + " " + r.txtXcg + " " + r.txtYcg + " " + r.lblCg, textos);
        EXPECT_NEAR(r.Ix, ix, 1e-7 * ix);
        // Ix is shown unformatted, with all its digits.
        EXPECT_NEAR(std::stod(r.txtIx), r.Ix, 1e-14 * r.Ix);
        EXPECT_EQ(r.txtIx.find(','), std::string::npos);
    }
}

// The window reads the coordinates as cm: each result with its unit, the
// inertia with six significant digits. The L-shape's Ix is 85000 by hand (the
// concave case above); the fan's Single terms leave it a hair below, which
// must not show.
TEST(Poligono, LaVentanaMuestraUnidadesYCifrasSensatas) {
    const std::pair<Poligono, const char*> casos[] = {
        {Figura({{0, 0}, {30, 0}, {30, 10}, {10, 10}, {10, 40}, {0, 40}}),
         "600.00 cm² 10.00 cm 15.00 cm 85,000 cm⁴"},
        // The unit square: Ix = 1/12.
        {Figura({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), "1.00 cm² 0.50 cm 0.50 cm 0.0833333 cm⁴"},
        // No start works: zeros, still with their units.
        {Figura({{0, 0}, {2, 0}, {2, 2}, {3, 1}}), "0.00 cm² 0.00 cm 0.00 cm 0 cm⁴"},
    };
    for (auto [p, textos] : casos) {
        const ResultadoPoligono r = p.Calcular();
        EXPECT_EQ(r.verArea + " " + r.verXcg + " " + r.verYcg + " " + r.verIx, textos);
    }
}

TEST(Poligono, LazoConReintentoYLazoImposible) {
    // From (0,0) the first two triangles cancel (+2 and -2): the fan is
    // retried from the next vertex, and the table keeps that rotation. By the
    // shoelace formulas, sides from (0,0) with x1 y2 - x2 y1 = 0, 4, -4, 9, 0:
    // A = 9/2; Xcg = (4 x 4 - 5 x 4 + 3 x 9) / (6 A) = 23/27; Ycg = (2 x 4 -
    // 3 x 4 + 4 x 9) / 27 = 32/27; about y = 0, (4 x 4 - 7 x 4 + 13 x 9) / 12 =
    // 35/4, so Ix = 35/4 - A Ycg^2 = 787/324. (Arbitrary polygons against the
    // shoelace area and centroid: the polygon fuzz check.)
    Poligono p = Figura({{0, 0}, {2, 0}, {2, 2}, {3, 1}, {0, 3}});
    const ResultadoPoligono r = p.Calcular();
    ASSERT_TRUE(r.calculado);
    EXPECT_NEAR(r.area, 4.5, 1e-12);
    EXPECT_NEAR(r.Xcg, 23.0 / 27, 1e-6 * (1 + 23.0 / 27));
    EXPECT_NEAR(r.Ycg, 32.0 / 27, 1e-6 * (1 + 32.0 / 27));
    EXPECT_NEAR(r.Ix, 787.0 / 324, 1e-5 * 787.0 / 324);  // each triangle's own term is a Single
    EXPECT_EQ(p.Vertices().front(), (Vertice{2, 0}));

    // Every start closes to zero area, exactly or (crossing, far vertices) within
    // the rounding of the sums: no residue taken as area, no centroid far away.
    for (Poligono nula : {Figura({{0, 0}, {2, 0}, {2, 2}, {3, 1}}),
                          Figura({{1, 1}, {1e9f, 0}, {0.61f, 1}, {1e12f, 0}})}) {
        const ResultadoPoligono f = nula.Calcular();
        EXPECT_FALSE(f.calculado);
        ASSERT_TRUE(f.mensaje.has_value());
        EXPECT_EQ(*f.mensaje, (Mensaje{"Esta sección es imposible de calcular por este programa",
                                       "Error de Sección", 16}));
        EXPECT_EQ(f.txtXcg + f.txtYcg + f.txtIx, "000");
        EXPECT_EQ(f.area, 0);
    }
}

TEST(Poligono, PocosVerticesYPuntosAlineados) {
    const ResultadoPoligono r = Figura({{0, 0}, {1, 1}}).Calcular();
    EXPECT_FALSE(r.calculado);
    ASSERT_TRUE(r.mensaje.has_value());
    EXPECT_EQ(r.mensaje->texto, "Por favor inserte mas de 3 coordenadas de la sección");
    EXPECT_EQ(r.mensaje->estilo, 0);

    // Collinear vertices: refused, and the drawing scale comes from the
    // other axis instead of dividing by a zero extent.
    Poligono horizontal = Figura({{0, 5}, {3, 5}, {7, 5}});
    EXPECT_FALSE(horizontal.Calcular().calculado);
    EXPECT_NEAR(horizontal.Escala(4000, 3000), (4000 - 1016) / 7.0, 1e-3);
    EXPECT_NEAR(Figura({{2, 0}, {2, 3}, {2, 8}}).Escala(4000, 3000), (3000 - 1016) / 8.0, 1e-3);
    EXPECT_EQ(Figura({{1, 1}, {1, 1}, {1, 1}}).Escala(4000, 3000), 1.0f);
}

TEST(Poligono, ArchivoDeVertices) {
    std::string e;
    const auto v = LeerArchivoPoligono("# ele\n0,0\n30 0\r\n\n  30, 10\n10\t10\n", &e);
    ASSERT_TRUE(v.has_value()) << e;
    EXPECT_EQ(*v, (std::vector<Vertice>{{0, 0}, {30, 0}, {30, 10}, {10, 10}}));
    for (const char* malo :
         {"0,0\n1;2\n", "0,0\nabc\n", "0,0\n5\n", "0,0\n1,2,3\n", "0,0\n1e40,2\n"}) {
        SCOPED_TRACE(malo);
        EXPECT_FALSE(LeerArchivoPoligono(malo, &e).has_value());
        EXPECT_NE(e.find("Línea 2"), std::string::npos) << e;
    }
}

}  // namespace
}  // namespace korvex
