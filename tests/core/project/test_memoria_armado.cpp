// The part "Armado y despiece" of the calculation report, built from a
// hand-made arrangement, stirrup zones and bar schedule on a calculated
// beam: each face's checks with their verdicts, the crack-control and
// anchorage clauses of each set of rules, ld with its values, the zones and
// the schedule rows, and phi Mn over the moment diagram; a design without an
// arrangement (or a failed one) prints no such part.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "comun/ArmadoAMano.h"
#include "comun/Memoria.h"
#include "design/Reglas.h"
#include "project/Memoria.h"

namespace korvex::pruebas {
namespace {

// The blocks of one part as text, a line per block; a step with its concept.
std::vector<std::string> Lineas(const std::vector<Bloque>& b) {
    std::vector<std::string> t = TextosMemoria(b, " | ");
    for (const Bloque& x : b) {
        if (auto* f = std::get_if<FormulaMemoria>(&x)) t.push_back(TextoPlano(f->concepto));
    }
    return t;
}

bool Hay(const std::vector<std::string>& lineas, const std::string& buscado) {
    return std::any_of(lineas.begin(), lineas.end(),
                       [&](const std::string& l) { return l.find(buscado) != std::string::npos; });
}

TEST(MemoriaArmado, CarasZonasPlanillaYCapacidad) {
    const ReglasDiseno& reglas = ReglasPorClave(kReglasAci318);
    const ProyectoCalculado p = ConArmado("viga_rectangular.kvx", reglas);
    const std::vector<Bloque> todo = ConstruirMemoria(p, p.r, {}, reglas);
    const std::vector<std::string> partes = Titulos(todo);
    const auto varillas = std::find(partes.begin(), partes.end(), "6. Varillas");
    ASSERT_NE(varillas, partes.end());
    ASSERT_LT(varillas + 2, partes.end());
    EXPECT_EQ(varillas[1], "7. Armado y despiece");
    EXPECT_EQ(varillas[2], "8. Deflexiones");
    const std::vector<Bloque> b = BloquesBajo(todo, "Armado y despiece");

    // phi Mn against Mu: the bottom face resists, the top face does not and
    // says why.
    std::vector<std::pair<std::string, Veredicto>> resistencia;
    for (const Bloque& x : b) {
        auto* f = std::get_if<FormulaMemoria>(&x);
        if (f && TextoPlano(f->simbolos) == "φMn ≥ Mu") {
            resistencia.push_back({TextoPlano(f->resultado), f->veredicto});
        }
    }
    const std::vector<std::pair<std::string, Veredicto>> esperado = {
        {"23.50 ≥ 21.00 Tn·m", Veredicto::Cumple}, {"10.00 < 12.00 Tn·m", Veredicto::NoCumple}};
    EXPECT_EQ(resistencia, esperado);
    const std::vector<std::string> t = Lineas(b);
    EXPECT_TRUE(Hay(t, "Armado no aceptado: Las varillas de la cara superior no caben"));
    // The width of a layer: 3 × 2.54 + 2 × 2.54 = 12.70 cm fit, 6 × 2.54 +
    // 5 × 2.54 = 27.94 cm do not, in 25 − 2 × 4.9525 = 15.095 cm.
    EXPECT_TRUE(Hay(t, "3 × 2.54 + 2 × 2.54 = 12.70 ≤ 25 − 2 × 4.95 = 15.10 cm"));
    EXPECT_TRUE(Hay(t, "6 × 2.54 + 5 × 2.54 = 27.94 > 25 − 2 × 4.95 = 15.10 cm"));

    // ld of 3/4" bottom bars (ACI 318-19 25.4.2.3, the 1.7 of the larger bars
    // with psi_s = 0.8 for 3/4" and smaller, psi_t = 1): in SI fy = 274.59 MPa,
    // sqrt(f'c) = sqrt(20.594) = 4.5381 MPa, ld = 0.8 × 274.59 × 19.05 mm /
    // (1.7 × 4.5381) = 542.4 mm = 54.24 cm, above the 30 cm minimum.
    EXPECT_TRUE(Hay(t, "1 × 0.8 × 2800 × 1.905 / (5.43 × √210) = 54.24 cm"));
    EXPECT_TRUE(Hay(t, "máx(43.78, 12 × 1.905) = 43.78 cm"));

    // The zones and the schedule rows as the design gave them.
    for (const char* fila :
         {"1 | 0.00 | 1.20 | 9 | 15", "2 | 1.20 | 4.80 | 13 | 28", "3 | 4.80 | 6.00 | 9 | 15",
          "1 | inferior | 2 | 1\" | recta (corrida) | 0.04 | 5.96 | 5.92",
          "2 | inferior | 1 | 1\" | recta (cortada) | 1.20 | 4.80 | 3.60",
          "3 | superior | 2 | 3/8\" | ganchos 90° de 15.00 y 15.00 cm "
          "(portaestribos) | 0.04 | 5.96 | 6.22",
          "4 | estribos | 37 | 3/8\" | cerrado de 17.10 × 42.10 cm, ganchos "
          "135° de 7.50 cm | 0.00 | 6.00 | 1.33"}) {
        EXPECT_TRUE(Hay(t, fila)) << fila;
    }
    EXPECT_TRUE(Hay(t, "Marca 2 (1Ø1\" inferiores): corte teórico en x = 1.50 y 4.50 m"));

    // The capacity figure: the factored moment with phi Mn of each face on
    // its side, one value per station.
    const FiguraDiagrama* f = nullptr;
    for (const Bloque& x : b) {
        if (auto* g = std::get_if<FiguraDiagrama>(&x)) f = g;
    }
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->x.size(), static_cast<std::size_t>(p.r.NumEstaciones));
    EXPECT_EQ(f->y.size(), f->x.size());
    EXPECT_EQ(f->capacidadPos, std::vector<double>(f->x.size(), 23.5));
    EXPECT_EQ(f->capacidadNeg, std::vector<double>(f->x.size(), -5.0));
    EXPECT_TRUE(f->positivoAbajo);
}

// Each set of rules prints its own clauses for the crack control, ld, the
// cut-offs and the anchorage of the cantilever's top bars.
TEST(MemoriaArmado, ClausulasDeCadaNorma) {
    const struct {
        std::string_view clave;
        std::vector<std::string> clausulas;
    } casos[] = {
        {kReglasClasicas,
         {"Control de fisuración: separación centro a centro de las barras más cercanas a la cara "
          "en tracción (ACI 318-99, 10.6.4)",
          "ACI 318-99, 12.2.2", "ACI 318-99, 12.10.3", "ACI 318-99, 12.10.5", "ACI 318-99, 12.11.1",
          "ACI 318-99, 12.12.3", "ACI 318-99, 12.12.1"}},
        {kReglasAci318,
         {"Control de fisuración: separación centro a centro de las barras más cercanas a la cara "
          "en tracción (ACI 318-19, 24.3.2)",
          "(ACI 318-19, Tabla 25.4.2.3 y 25.4.2.1)", "(ACI 318-19, 9.7.3.3)",
          "(ACI 318-19, 9.7.3.5)", "(ACI 318-19, 9.7.3.8.1)", "(ACI 318-19, 9.7.3.8.4)",
          "(ACI 318-19, 9.7.3.2 y 25.4.2)"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.clave));
        const ReglasDiseno& reglas = ReglasPorClave(c.clave);
        ProyectoCalculado p = ConArmado("viga_t_vuelos.kvx", reglas);
        DesarrolloCara superior = p.r.Despiece.desarrollo[0];
        superior.inferior = false;
        p.r.Despiece.desarrollo.push_back(superior);
        const std::vector<std::string> t =
            Lineas(BloquesBajo(ConstruirMemoria(p, p.r, {}, reglas), "Armado y despiece"));
        for (const std::string& x : c.clausulas) EXPECT_TRUE(Hay(t, x)) << x;
    }
}

// No arrangement, no part: the report of a design without one, or of a
// failed design (which may keep one from before), is the report as it was.
TEST(MemoriaArmado, SinArregloNiFallaNoHayCapitulo) {
    const ReglasDiseno& reglas = ReglasPorClave(kReglasClasicas);
    ProyectoCalculado sin = ConArmado("viga_rectangular.kvx", reglas);
    sin.r.Armado.clear();
    const std::vector<std::string> partes = Titulos(ConstruirMemoria(sin, sin.r));
    const auto varillas = std::find(partes.begin(), partes.end(), "6. Varillas");
    ASSERT_LT(varillas + 1, partes.end());
    EXPECT_EQ(varillas[1], "7. Deflexiones");

    for (const char* bw : {"8", "6"}) {  // shear failure, flexure failure
        SCOPED_TRACE(bw);
        ProyectoCalculado falla = AlmaDelgada(bw);
        ASSERT_TRUE(falla.r.disenoFallido);
        const std::vector<Bloque> antes = ConstruirMemoria(falla, falla.r);
        falla.r.Armado = ArmadoAMano(reglas);
        falla.r.Despiece = DespieceAMano(reglas, falla.r.NumEstaciones);
        EXPECT_EQ(ConstruirMemoria(falla, falla.r), antes);
    }
}

}  // namespace
}  // namespace korvex::pruebas
