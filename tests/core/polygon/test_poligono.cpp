#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "polygon/Poligono.h"

namespace korvex {
namespace {

Poligono Figura(std::initializer_list<Vertice> v) {
    Poligono p;
    for (const Vertice& q : v) p.Agregar(q.x, q.y);
    return p;
}

// Independent check: the shoelace formulas for area, centroid and the
// inertia about the x axis, moved to the centroid.
void Shoelace(const std::vector<Vertice>& v, double& A, double& Cx, double& Cy, double& Ic) {
    A = Cx = Cy = 0;
    double Io = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const Vertice& p = v[i];
        const Vertice& q = v[(i + 1) % v.size()];
        const double c = static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y;
        A += c / 2;
        Cx += (p.x + q.x) * c;
        Cy += (p.y + q.y) * c;
        Io += (static_cast<double>(p.y) * p.y + static_cast<double>(p.y) * q.y +
               static_cast<double>(q.y) * q.y) *
              c;
    }
    Cx /= 6 * A;
    Cy /= 6 * A;
    Io /= 12;
    Ic = std::fabs(Io - A * Cy * Cy);
    A = std::fabs(A);
}

TEST(Poligono, CasosResueltos) {
    struct {
        const char* caso;
        Poligono p;
        const char *area, *xcg, *ycg;
        double ix;  // each triangle's own inertia is rounded to a Single
        const char* cg;
    } casos[] = {
        {"rectángulo antihorario", Figura({{0, 0}, {20, 0}, {20, 40}, {0, 40}}), "800.00", "10.00",
         "20.00", 106666.6667, "(10.00,20.00)"},
        {"rectángulo horario", Figura({{0, 0}, {0, 40}, {20, 40}, {20, 0}}), "800.00", "10.00",
         "20.00", 106666.6667, "(10.00,20.00)"},
        {"triángulo", Figura({{0, 0}, {6, 0}, {0, 3}}), "9.00", "2.00", "1.00", 4.5,
         "(2.00,1.00)"},
        {"ele cóncava", Figura({{0, 0}, {30, 0}, {30, 10}, {10, 10}, {10, 40}, {0, 40}}), "600.00",
         "10.00", "15.00", 85000, "(10.00,15.00)"},
        {"cuadrado unidad", Figura({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), "1.00", ".50", ".50",
         1.0 / 12, "(0.50,0.50)"},
    };
    for (auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const ResultadoPoligono r = c.p.Calcular();
        ASSERT_TRUE(r.calculado);
        EXPECT_FALSE(r.mensaje.has_value());
        EXPECT_EQ(r.txtArea, c.area);
        EXPECT_EQ(r.txtXcg, c.xcg);
        EXPECT_EQ(r.txtYcg, c.ycg);
        EXPECT_NEAR(r.Ix, c.ix, 1e-7 * c.ix);
        // Ix is shown unformatted, with all its digits.
        EXPECT_NEAR(std::stod(r.txtIx), r.Ix, 1e-14 * r.Ix);
        EXPECT_EQ(r.txtIx.find(','), std::string::npos);
        EXPECT_EQ(r.lblCg, c.cg);
    }
}

TEST(Poligono, LazoQueNecesitaOtroVerticeInicial) {
    // From (0,0) the first two triangles cancel (+2 and -2): the fan is
    // retried from the next vertex, where it works.
    Poligono p = Figura({{0, 0}, {2, 0}, {2, 2}, {3, 1}, {0, 3}});
    const std::vector<Vertice> original = p.Vertices();
    double A, Cx, Cy, Ic;
    Shoelace(original, A, Cx, Cy, Ic);
    const ResultadoPoligono r = p.Calcular();
    ASSERT_TRUE(r.calculado);
    EXPECT_NEAR(r.area, 4.5, 1e-12);
    EXPECT_NEAR(r.area, A, 1e-9);
    EXPECT_NEAR(r.Xcg, Cx, 1e-6);
    EXPECT_NEAR(r.Ycg, Cy, 1e-6);
    EXPECT_NEAR(r.Ix, Ic, 1e-5);
    // The table keeps the rotated order: it now starts at the second vertex.
    EXPECT_EQ(p.Vertices().front(), (Vertice{2, 0}));
}

TEST(Poligono, LazoImposibleDesdeCualquierVertice) {
    Poligono p = Figura({{0, 0}, {2, 0}, {2, 2}, {3, 1}});
    const ResultadoPoligono r = p.Calcular();
    EXPECT_FALSE(r.calculado);
    ASSERT_TRUE(r.mensaje.has_value());
    EXPECT_EQ(r.mensaje->texto, "Esta sección es imposible de calcular por este programa");
    EXPECT_EQ(r.mensaje->titulo, "Error de Sección");
    EXPECT_EQ(r.mensaje->estilo, 16);
    EXPECT_EQ(r.txtXcg, "0");
    EXPECT_EQ(r.txtYcg, "0");
    EXPECT_EQ(r.txtIx, "0");
    EXPECT_EQ(r.area, 0);
}

TEST(Poligono, PocosVerticesYPuntosAlineados) {
    Poligono dos = Figura({{0, 0}, {1, 1}});
    const ResultadoPoligono r = dos.Calcular();
    EXPECT_FALSE(r.calculado);
    ASSERT_TRUE(r.mensaje.has_value());
    EXPECT_EQ(r.mensaje->texto, "Por favor inserte mas de 3 coordenadas de la sección");
    EXPECT_EQ(r.mensaje->estilo, 0);

    // Collinear vertices: zero area everywhere, refused, and a finite scale.
    Poligono horizontal = Figura({{0, 5}, {3, 5}, {7, 5}});
    EXPECT_FALSE(horizontal.Calcular().calculado);
    const float s = horizontal.Escala(4000, 3000);
    EXPECT_NEAR(s, (4000 - 1016) / 7.0, 1e-3);
    Poligono vertical = Figura({{2, 0}, {2, 3}, {2, 8}});
    EXPECT_NEAR(vertical.Escala(4000, 3000), (3000 - 1016) / 8.0, 1e-3);
    Poligono punto = Figura({{1, 1}, {1, 1}, {1, 1}});
    EXPECT_EQ(punto.Escala(4000, 3000), 1.0f);
    // A normal figure takes the smaller of the two scales.
    Poligono rect = Figura({{0, 0}, {20, 0}, {20, 40}, {0, 40}});
    EXPECT_NEAR(rect.Escala(4000, 3000), (3000 - 1016) / 40.0, 1e-3);
    const CajaPoligono c = rect.Caja();
    EXPECT_EQ(c.Xc, 10);
    EXPECT_EQ(c.Yc, 20);
}

TEST(Poligono, CoincideConShoelaceEnPoligonosAleatorios) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> radio(1, 50), ruido(-0.3f, 0.3f);
    for (int n = 0; n < 300; ++n) {
        // A star-shaped polygon around a random centre (possibly concave),
        // entered in either sense.
        const int lados = 3 + n % 9;
        const float cx = ruido(rng) * 100, cy = ruido(rng) * 100;
        Poligono p;
        for (int i = 0; i < lados; ++i) {
            const double t = 2 * M_PI * (i + 0.5 + ruido(rng)) / lados;
            const float r = radio(rng);
            const double sentido = (n % 2) ? 1 : -1;
            p.Agregar(static_cast<float>(cx + r * std::cos(sentido * t)),
                      static_cast<float>(cy + r * std::sin(sentido * t)));
        }
        double A, Cx, Cy, Ic;
        Shoelace(p.Vertices(), A, Cx, Cy, Ic);
        const ResultadoPoligono r = p.Calcular();
        ASSERT_TRUE(r.calculado);
        EXPECT_NEAR(r.area, A, 1e-9 * A);
        EXPECT_NEAR(r.Xcg, Cx, 1e-6 * (1 + std::fabs(Cx)));
        EXPECT_NEAR(r.Ycg, Cy, 1e-6 * (1 + std::fabs(Cy)));
        EXPECT_NEAR(r.Ix, Ic, 1e-5 * Ic);  // each triangle's own term is a Single
    }
}

TEST(Poligono, ListaBorrarYReiniciar) {
    EXPECT_EQ(Poligono::LineaLista(2.5f, 10), "(2.5,10)");
    EXPECT_EQ(Poligono::LineaLista(-1, 0.25f), "(-1,0.25)");
    Poligono p = Figura({{0, 0}, {1, 0}, {1, 1}});
    EXPECT_TRUE(p.Borrar());
    EXPECT_EQ(p.NumVertices(), 2);
    EXPECT_EQ(p.Vertices().back(), (Vertice{1, 0}));
    p.Reiniciar();
    EXPECT_EQ(p.NumVertices(), 0);
    EXPECT_FALSE(p.Borrar());
}

TEST(Poligono, ArchivoDeVertices) {
    std::string error;
    const auto v = LeerArchivoPoligono("# ele\n0,0\n30 0\r\n\n  30, 10\n10\t10\n", &error);
    ASSERT_TRUE(v.has_value()) << error;
    ASSERT_EQ(v->size(), 4u);
    EXPECT_EQ((*v)[2], (Vertice{30, 10}));
    EXPECT_EQ((*v)[3], (Vertice{10, 10}));
    for (const char* malo : {"0,0\n1;2\n", "0,0\nabc\n", "5\n", "1,2,3\n", "1e40,2\n"}) {
        SCOPED_TRACE(malo);
        std::string e;
        EXPECT_FALSE(LeerArchivoPoligono(malo, &e).has_value());
        EXPECT_NE(e.find("Línea"), std::string::npos);
    }
    std::string e;
    EXPECT_FALSE(LeerArchivoPoligono("0,0\nabc\n", &e).has_value());
    EXPECT_NE(e.find("Línea 2"), std::string::npos);
}

}  // namespace
}  // namespace korvex
