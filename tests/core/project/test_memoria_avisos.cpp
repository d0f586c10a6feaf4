// The end of the report's design chapter and its warnings: a failure is the
// last design step printed, then "Avisos" with its message; the arrangement
// notice in the reports' wording; no report text speaks of the windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "comun/Memoria.h"
#include "comun/Vigas.h"
#include "project/AvisosInforme.h"
#include "project/Calculo.h"
#include "project/Informe.h"
#include "project/Memoria.h"

namespace korvex::pruebas {
namespace {

// A failure is the last step of the design chapter: its check fails, the
// paragraph after it says so, "Avisos" follows with the failure's message;
// nothing of the design after it, no bars on the section figure.
TEST(MemoriaConFalla, LaFallaTerminaElCapituloDeDiseno) {
    const struct {
        const char* bw;
        bool corte;
        const char* simbolos;  // the failing check
        const char* dice;      // what the paragraph after it says
        const char* partes;    // the last two
        Mensaje mensaje;       // the message of the design
    } casos[] = {
        {"8", true, "Vs ≤ Vs,máx", "la viga falla por cortante", "5. Diseño a cortante, 6. Avisos",
         Mensaje("La viga falla por cortante, redimensionar sección", "Sección insuficiente!", 16)},
        {"6", false, "Rn ≤ 0.425", "el diseño se detiene aquí", "4. Diseño a flexión, 5. Avisos",
         Mensaje("Esta Sección no resiste esta solicitud de cargas", "Sección Insuficiente", 0)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.bw);
        const ProyectoCalculado p = AlmaDelgada(c.bw);
        const PasosCalculo& s = p.r.Pasos;
        ASSERT_EQ(s.cortante.falla, c.corte);  // the design went on after a shear failure
        ASSERT_TRUE(!c.corte || (s.deflexion.calculado && s.varillas[0].As == 0));
        const std::vector<Bloque> b = ConstruirMemoria(p, p.r);
        const std::size_t avisos = IndiceTitulo(b, "Avisos");
        ASSERT_TRUE(avisos >= 2 && avisos < b.size());
        auto* prueba = std::get_if<FormulaMemoria>(&b[avisos - 2]);
        auto* dice = std::get_if<Parrafo>(&b[avisos - 1]);
        ASSERT_TRUE(prueba && dice);
        EXPECT_EQ(TextoPlano(prueba->simbolos), c.simbolos);
        EXPECT_EQ(prueba->veredicto, Veredicto::NoCumple);
        EXPECT_NE(dice->texto.find(c.dice), std::string::npos) << dice->texto;
        const std::vector<std::string> partes = Titulos(b);
        ASSERT_GE(partes.size(), 2u);
        EXPECT_EQ(partes[partes.size() - 2] + ", " + partes.back(), c.partes);

        // The failure's message among the warnings, once. After a shear failure
        // the design ran on without steel: the deflection it then found beyond
        // the limit is marked as no result of the design.
        int veces = 0, deflexion = 0, marcados = 0;
        for (const std::string& x : TextosMemoria(BloquesBajo(b, "Avisos"), " | ")) {
            veces += x.ends_with(". " + c.mensaje.titulo + ": " + c.mensaje.texto);
            const bool tras = x.ends_with("calculado sin acero: no vale como diseño)");
            deflexion += x.find("sobrepasa") != std::string::npos;
            marcados += tras;
            EXPECT_FALSE(tras && x.find(c.mensaje.texto) != std::string::npos) << x;
        }
        EXPECT_EQ(veces, 1);
        EXPECT_NE(std::find(s.avisos.begin(), s.avisos.end(), c.mensaje), s.avisos.end());
        EXPECT_EQ(marcados, c.corte ? deflexion : 0);
        EXPECT_TRUE(!c.corte || marcados > 0);

        for (const Bloque& x : b) {
            if (auto* f = std::get_if<FiguraSeccion>(&x)) {
                EXPECT_EQ(f->barrasInferiores, (std::array<int, 4>{}));
                EXPECT_EQ(f->barrasSuperiores, (std::array<int, 4>{}));
                EXPECT_TRUE(f->leyenda.size() == 1 && f->leyenda[0].starts_with("Sin varillas"))
                    << testing::PrintToString(f->leyenda);
            }
        }
    }
}

// The example with cantilevers without the arrangements: the notice says what
// the screen finds, ends as a report does, is the first warning and the note
// under the extremes. With the arrangements, no notice.
TEST(AvisosDeLaMemoria, AlternanciaConPalabrasDeInforme) {
    const ProyectoCalculado p = Abierto("viga_t_vuelos.kvx");
    const std::string pantalla = p.r.AvisoAlternancia;
    ASSERT_TRUE(pantalla.starts_with("Con carga viva alternada: ")) << pantalla;
    const std::string informe = AvisoAlternanciaInforme(p, p.r);
    EXPECT_EQ(informe, pantalla.substr(0, pantalla.find(". ") + 1) +
                           " El diseño no considera la alternancia de la carga viva.");

    const std::vector<std::string> t = TextosMemoria(ConstruirMemoria(p, p.r), " | ");
    int avisos = -1, nota = -1, primero = -1;
    for (int i = 0; i < static_cast<int>(t.size()); ++i) {
        const std::string& x = t[static_cast<std::size_t>(i)];
        if (x == TextoPlano(informe)) nota = i;
        if (x.ends_with("Avisos")) avisos = i;
        if (x == "1. Alternancia de la carga viva: " + informe) primero = i;
    }
    EXPECT_GE(nota, 0);
    EXPECT_GT(avisos, nota);
    EXPECT_EQ(primero, avisos + 2);  // after the heading and its sentence

    const ProyectoCalculado con = Abierto("viga_t_vuelos.kvx", true);
    EXPECT_EQ(AvisoAlternanciaInforme(con, con.r), "");
    for (const std::string& x : TextosMemoria(ConstruirMemoria(con, con.r), " | "))
        EXPECT_EQ(x.find("Con carga viva alternada"), std::string::npos) << x;
}

// Every text of both reports of every example, with and without the
// arrangements and after both failures: none addressed to the windows' user.
TEST(AvisosDeLaMemoria, NingunTextoDeLosInformesHablaDeLaPantalla) {
    std::vector<ProyectoCalculado> proyectos = {AlmaDelgada("8"), AlmaDelgada("6")};
    for (const char* ejemplo : kEjemplos)
        for (bool alternancia : {false, true}) proyectos.push_back(Abierto(ejemplo, alternancia));
    int textos = 0;
    auto comprobar = [&](const std::string& x) {
        ++textos;
        for (const char* w :
             {"Active «", "en pantalla", " presione ", "Presione", "botón", "haga clic"})
            EXPECT_EQ(x.find(w), std::string::npos) << x;
    };
    for (const ProyectoCalculado& p : proyectos) {
        for (const Bloque& b : ConstruirMemoria(p, p.r)) {
            for (std::string x : TextosMemoria({b}, " | ")) {
                if (auto* f = std::get_if<FormulaMemoria>(&b)) x += " " + f->concepto;
                if (auto* t = std::get_if<TablaMemoria>(&b)) {
                    for (const std::string& c : t->encabezado) x += " " + c;
                }
                comprobar(x);
            }
        }
        for (const ElementoInforme& e : PaginaInforme(p, p.r, true)) comprobar(e.texto);
    }
    EXPECT_GT(textos, 1000);
}

}  // namespace
}  // namespace korvex::pruebas
