// The report's section figure: each face carries the bar table's column with
// more area (bottom: M(+) tension or M(-) compression; top: M(-) tension or
// M(+) compression), labelled with counts and sizes and the note on confining
// compression steel; the drawn bars lie inside the section, none touching.
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

namespace korvex::pruebas {
namespace {

// The section figure of the project's report.
FiguraSeccion Figura(const ProyectoCalculado& p) {
    for (const Bloque& x : ConstruirMemoria(p, p.r)) {
        if (auto* f = std::get_if<FiguraSeccion>(&x)) return *f;
    }
    ADD_FAILURE() << "sin figura";
    return {};
}

// The column c of the bar table and its area, cm2.
std::array<int, 4> Columna(const ResultadoCalculo& e, int c) {
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
// "Otros") and a doubly reinforced cantilever: the bars and legend of each
// face; compression steel asks for closed stirrups.
TEST(SeccionDeLaMemoria, VarillasDeCadaCaraSegunLaTablaDelDiseno) {
    std::vector<ProyectoCalculado> proyectos;
    for (const char* ejemplo : kEjemplos) proyectos.push_back(Abierto(ejemplo));
    proyectos.push_back(Calcular(Rectangular(6, 25, 50, {Uniforme(0, 6, 7, kOtros, 6)})));
    // A 3.5 m cantilever of a 3.5 m span with 5.5 Tn/m "Otros" on it: no
    // sagging moment, and the compression steel of the hogging one is the
    // bottom face's.
    proyectos.push_back(
        Calcular(Rectangular(7, 25, 50, {Uniforme(3.5f, 3.5f, 5.5f, kOtros, 7)}, 0, 3.5f)));
    ASSERT_GT(proyectos[3].r.AsCompresionPos, 0);
    ASSERT_GT(proyectos[4].r.AsCompresionNeg, proyectos[4].r.AsTraccionPos);

    int conCompresion = 0;
    for (const ProyectoCalculado& p : proyectos) {
        SCOPED_TRACE(p.seccion.TipoViga);
        const ResultadoCalculo& e = p.r;
        const FiguraSeccion f = Figura(p);
        // Columns: 0 M(+) tension, 1 M(-) tension, 2 M(+) compression, 3 M(-) compression.
        const int abajo = Area(Columna(e, 0)) >= Area(Columna(e, 3)) ? 0 : 3;
        const int arriba = Area(Columna(e, 1)) >= Area(Columna(e, 2)) ? 1 : 2;
        EXPECT_EQ(f.barrasInferiores, Columna(e, abajo));
        EXPECT_EQ(f.barrasSuperiores, Columna(e, arriba));
        EXPECT_GT(Area(f.barrasInferiores) + Area(f.barrasSuperiores), 0);
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
        EXPECT_EQ(f.leyenda, leyenda);
    }
    EXPECT_EQ(conCompresion, 2);
}

// The bars as drawn: every bar of the face, largest first, at its own diameter
// when it has room (`aEscala`); inside the outline, in the half of its face; no
// two touching.
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
            const double radio = x.diametro / 2;
            EXPECT_EQ(x.tamano, tamanos[i]);
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

// The figures of the examples, and crowded faces: nine 1" bars in a 25 cm web
// (two rows), fourteen mixed bars in a 25 cm rectangle, nine in a 50 cm flange
// (one row, in the flange below).
TEST(SeccionDeLaMemoria, BarrasDentroDeLaSeccionSinTocarse) {
    for (const char* ejemplo : kEjemplos) ComprobarDibujo(Figura(Abierto(ejemplo)), true);
    FiguraSeccion t, rect, ti;
    std::tie(t.TipoViga, rect.TipoViga, ti.TipoViga) = std::tuple(kVigaT, kVigaRect, kVigaTi);
    std::tie(t.bf, t.hf, t.bw, t.hw, t.recubrimiento, t.barrasInferiores, t.barrasSuperiores) =
        std::tuple(60, 10, 25, 40, 4, std::array{9, 0, 0, 0}, std::array{2, 0, 0, 0});
    std::tie(rect.b, rect.h, rect.recubrimiento, rect.barrasInferiores, rect.barrasSuperiores) =
        std::tuple(25, 50, 4, std::array{6, 4, 2, 2}, std::array{0, 0, 3, 1});
    std::tie(ti.bf, ti.hf, ti.bw, ti.hw, ti.recubrimiento, ti.barrasInferiores) =
        std::tuple(50, 12, 25, 38, 5, std::array{8, 1, 0, 0});
    ComprobarDibujo(t, false);
    ComprobarDibujo(rect, false);
    ComprobarDibujo(ti, true);
}

}  // namespace
}  // namespace korvex::pruebas
