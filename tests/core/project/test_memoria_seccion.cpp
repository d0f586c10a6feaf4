// The section figure of the calculation report: the bars of each face are
// those of the bar table the design proposed (bottom: the larger of M(+)
// tension and M(-) compression; top: the larger of M(-) tension and M(+)
// compression), labelled with their counts and sizes, with the note on
// confining compression steel; and the drawn bars lie inside the section at
// their face without touching one another.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <variant>

#include "comun/Vigas.h"
#include "design/TablaVarillas.h"
#include "project/BarrasSeccion.h"
#include "project/Calculo.h"
#include "project/Memoria.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;

const FiguraSeccion* Figura(const std::vector<Bloque>& b) {
    for (const Bloque& x : b) {
        if (auto* f = std::get_if<FiguraSeccion>(&x)) return f;
    }
    return nullptr;
}
// A figure of a temporary list would outlive it.
const FiguraSeccion* Figura(std::vector<Bloque>&&) = delete;

// The column c of the bar table and its area, cm2.
std::array<int, 4> Columna(const EstadoProyecto& e, int c) {
    std::array<int, 4> n{};
    for (int r = 0; r < 4; ++r) n[static_cast<std::size_t>(r)] = e.Varillas[r][c];
    return n;
}
double Area(const std::array<int, 4>& n) {
    double a = 0;
    for (std::size_t r = 0; r < 4; ++r) a += n[r] * kAreaVarilla[r];
    return a;
}

// The label of a face: "4Ø1\" + 1Ø3/4\"" for the worked counts, by hand.
TEST(SeccionDeLaMemoria, EtiquetaDeLasVarillas) {
    EXPECT_EQ(TextoVarillas({4, 1, 0, 0}), "4Ø1\" + 1Ø3/4\"");
    EXPECT_EQ(TextoVarillas({0, 0, 2, 1}), "2Ø1/2\" + 1Ø3/8\"");
    EXPECT_EQ(TextoVarillas({0, 0, 0, 0}), "");
}

// The three examples, a doubly reinforced rectangle (25 x 50, 6 m, 7 Tn/m
// "Otros") and a doubly reinforced cantilever: each face carries the column
// of the table with more area; the legend names it; compression steel asks
// for closed stirrups.
TEST(SeccionDeLaMemoria, VarillasDeCadaCaraSegunLaTablaDelDiseno) {
    std::vector<Proyecto> proyectos;
    for (const char* ejemplo :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        Proyecto p;
        InterfazRegistro ui;
        ASSERT_TRUE(AbrirProyecto(Ejemplo(ejemplo), p, ui).calculo.calculado);
        proyectos.push_back(p);
    }
    Proyecto doble = pruebas::Rectangular(6, 25, 50, {pruebas::Uniforme(0, 6, 7, kOtros, 6)});
    InterfazRegistro ui;
    ASSERT_TRUE(RealizarCalculos(doble, ui).calculado);
    ASSERT_GT(doble.estado.AsCompresionPos, 0);
    proyectos.push_back(doble);
    // A 3.5 m cantilever of a 3.5 m span with 5.5 Tn/m "Otros" on it: no
    // sagging moment, and the compression steel of the hogging one is the
    // bottom face's.
    Proyecto vuelo =
        pruebas::Rectangular(7, 25, 50, {pruebas::Uniforme(3.5f, 3.5f, 5.5f, kOtros, 7)}, 0, 3.5f);
    ASSERT_TRUE(RealizarCalculos(vuelo, ui).calculado);
    ASSERT_GT(vuelo.estado.AsCompresionNeg, vuelo.estado.AsTraccionPos);
    proyectos.push_back(vuelo);

    int conCompresion = 0;
    for (const Proyecto& p : proyectos) {
        SCOPED_TRACE(p.seccion.TipoViga);
        const EstadoProyecto& e = p.estado;
        const std::vector<Bloque> b = ConstruirMemoria(p);
        const FiguraSeccion* f = Figura(b);
        ASSERT_NE(f, nullptr);
        // Columns: 0 M(+) tension, 1 M(-) tension, 2 M(+) compression, 3 M(-) compression.
        const int abajo = Area(Columna(e, 0)) >= Area(Columna(e, 3)) ? 0 : 3;
        const int arriba = Area(Columna(e, 1)) >= Area(Columna(e, 2)) ? 1 : 2;
        EXPECT_EQ(f->barrasInferiores, Columna(e, abajo));
        EXPECT_EQ(f->barrasSuperiores, Columna(e, arriba));
        EXPECT_GT(Area(f->barrasInferiores) + Area(f->barrasSuperiores), 0);
        const bool compresion = e.AsCompresionPos > 0 || e.AsCompresionNeg > 0;
        conCompresion += compresion;
        // A face without bars (no moment of its sign) says so.
        auto linea = [&](const std::string& cara, const char* columna, int c) {
            const std::string barras = TextoVarillas(Columna(e, c));
            return barras.empty() ? cara + ": sin varillas" : cara + ", " + columna + ": " + barras;
        };
        std::vector<std::string> leyenda = {
            linea("Cara inferior", abajo == 0 ? "M(+) tracción" : "M(−) compresión", abajo),
            linea("Cara superior", arriba == 1 ? "M(−) tracción" : "M(+) compresión", arriba)};
        if (compresion) leyenda.push_back("Acero en compresión: confinar con estribos cerrados");
        EXPECT_EQ(f->leyenda, leyenda);
    }
    EXPECT_EQ(conCompresion, 2);
}

// The bars as drawn: every bar of the face, largest first, at its own
// diameter when it has room (`aEscala`); inside the section outline at its
// height; bottom bars in the lower half, top bars in the upper half; no two
// touching.
void ComprobarDibujo(const FiguraSeccion& f, bool aEscala) {
    const bool rectangular = f.TipoViga == kVigaRect;
    const double ancho = rectangular ? f.b : f.bf, alto = rectangular ? f.h : f.hf + f.hw;
    // The section's width at height y: [x0, x1].
    auto borde = [&](double y) {
        const bool ala = rectangular || (f.TipoViga == kVigaTi ? y <= f.hf : y >= f.hw);
        return ala ? std::pair(0.0, ancho) : std::pair((f.bf - f.bw) / 2, (f.bf + f.bw) / 2);
    };
    for (bool inferior : {true, false}) {
        const std::array<int, 4>& n = inferior ? f.barrasInferiores : f.barrasSuperiores;
        SCOPED_TRACE(testing::Message()
                     << f.TipoViga << (inferior ? " abajo " : " arriba ") << TextoVarillas(n));
        const std::vector<BarraDibujada> v = DisponerVarillas(f, inferior);
        std::vector<int> tamanos;
        for (std::size_t r = 0; r < 4; ++r) {
            tamanos.insert(tamanos.end(), static_cast<std::size_t>(n[r]), static_cast<int>(r));
        }
        ASSERT_EQ(v.size(), tamanos.size());
        for (std::size_t i = 0; i < v.size(); ++i) {
            const BarraDibujada& x = v[i];
            EXPECT_EQ(x.tamano, tamanos[i]);
            const double radio = x.diametro / 2;
            if (aEscala) {
                EXPECT_DOUBLE_EQ(x.diametro, kDiametroVarilla[static_cast<std::size_t>(x.tamano)]);
            }
            EXPECT_GT(radio, 0);
            EXPECT_TRUE(inferior ? x.y < alto / 2 : x.y > alto / 2) << x.y;
            for (double y : {x.y - radio, x.y + radio}) {
                const auto [x0, x1] = borde(y);
                EXPECT_TRUE(x.x - radio >= x0 && x.x + radio <= x1 && y >= 0 && y <= alto)
                    << x.x << ", " << y;
            }
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_GT(std::hypot(x.x - v[j].x, x.y - v[j].y), radio + v[j].diametro / 2)
                    << i << " y " << j;
            }
        }
    }
}

// The figures of the examples, and crowded faces: nine 1" bars in a 25 cm
// web, fourteen mixed bars in a 25 cm rectangle, nine in a 50 cm flange.
TEST(SeccionDeLaMemoria, BarrasDentroDeLaSeccionSinTocarse) {
    for (const char* ejemplo :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        Proyecto p;
        InterfazRegistro ui;
        ASSERT_TRUE(AbrirProyecto(Ejemplo(ejemplo), p, ui).calculo.calculado);
        const std::vector<Bloque> b = ConstruirMemoria(p);  // the figure lives in it
        const FiguraSeccion* f = Figura(b);
        ASSERT_NE(f, nullptr);
        ComprobarDibujo(*f, true);
    }
    FiguraSeccion rect;
    rect.TipoViga = kVigaRect;
    std::tie(rect.b, rect.h, rect.recubrimiento) = std::tuple(25, 50, 4);
    FiguraSeccion t;
    t.TipoViga = kVigaT;
    std::tie(t.bf, t.hf, t.bw, t.hw, t.recubrimiento) = std::tuple(60, 10, 25, 40, 4);
    FiguraSeccion ti;
    ti.TipoViga = kVigaTi;
    std::tie(ti.bf, ti.hf, ti.bw, ti.hw, ti.recubrimiento) = std::tuple(50, 12, 25, 38, 5);
    const std::tuple<FiguraSeccion, std::array<int, 4>, std::array<int, 4>, bool> casos[] = {
        {t, {9, 0, 0, 0}, {2, 0, 0, 0}, false},  // two rows in the web
        {rect, {6, 4, 2, 2}, {0, 0, 3, 1}, false},
        {ti, {8, 1, 0, 0}, {0, 0, 0, 0}, true},  // one row in the flange below
    };
    for (auto [f, abajo, arriba, aEscala] : casos) {
        f.barrasInferiores = abajo;
        f.barrasSuperiores = arriba;
        ComprobarDibujo(f, aEscala);
    }
}

}  // namespace
}  // namespace korvex
