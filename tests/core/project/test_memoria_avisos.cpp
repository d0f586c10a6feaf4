// The end of the design chapter of the calculation report and its warnings:
// a failure (in flexure or in shear) is the last design step printed and
// "Avisos" follows with the failure's message; the live-load arrangement
// notice of a design made without the arrangements is listed there and in
// the one-page report in the reports' own wording; no report text speaks of
// the windows.
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

namespace korvex {
namespace {

using pruebas::Abierto;
using pruebas::Ejemplo;


// The T example with cantilevers and a thinner web, calculated again: 8 cm
// fail in shear, 6 cm in flexure (the web takes the negative moment).
Proyecto AlmaDelgada(const char* bw) {
    Proyecto p = Abierto("viga_t_vuelos.kvx");
    p.seccion.txtBw = bw;
    InterfazRegistro ui;
    EXPECT_TRUE(RecalcularAbierto(p, ui).calculado) << bw;
    return p;
}

bool EsParte(const Bloque& b, const std::string& nombre) {
    auto* e = std::get_if<Encabezado>(&b);
    return e && e->nivel == 1 && e->texto.ends_with(nombre);
}

// A failure is the last step of the design chapter: its check fails, the
// paragraph after it states the failure, and the next block is the heading
// of "Avisos", which lists the failure's message. No part of the design
// after the failure is printed, and the section figure has no bars.
TEST(MemoriaConFalla, LaFallaTerminaElCapituloDeDiseno) {
    const struct {
        const char* bw;
        const char* parte;     // the part of the failing check
        const char* simbolos;  // its check
        const char* dice;      // what the paragraph after it says
        Mensaje mensaje;       // the message of the design
    } casos[] = {
        {"8",
         "Diseño a cortante",
         "Vs ≤ Vs,máx",
         "la viga falla por cortante",
         {"La viga falla por cortante, redimensionar sección", "Sección insuficiente!", 16}},
        {"6",
         "Diseño a flexión",
         "Rn ≤ 0.425",
         "el diseño se detiene aquí",
         {"Esta Sección no resiste esta solicitud de cargas", "Sección Insuficiente", 0}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.bw);
        const Proyecto p = AlmaDelgada(c.bw);
        const PasosCalculo& s = p.estado.Pasos;
        const bool corte = std::string(c.parte) == "Diseño a cortante";
        ASSERT_EQ(s.cortante.falla, corte);  // the design went on after a shear failure
        if (corte) {
            ASSERT_TRUE(s.deflexion.calculado && s.varillas[0].As == 0);
        }
        const std::vector<Bloque> b = ConstruirMemoria(p);

        std::size_t avisos = 0, parte = 0;
        std::vector<std::string> partes;
        for (std::size_t i = 0; i < b.size(); ++i) {
            if (auto* e = std::get_if<Encabezado>(&b[i]); e && e->nivel == 1) {
                partes.push_back(e->texto);
            }
            if (EsParte(b[i], "Avisos")) avisos = i;
            if (EsParte(b[i], c.parte)) parte = i;
        }
        ASSERT_GT(avisos, parte + 2);
        auto* prueba = std::get_if<FormulaMemoria>(&b[avisos - 2]);
        auto* dice = std::get_if<Parrafo>(&b[avisos - 1]);
        ASSERT_TRUE(prueba && dice);
        EXPECT_EQ(TextoPlano(prueba->simbolos), c.simbolos);
        EXPECT_EQ(prueba->veredicto, Veredicto::NoCumple);
        EXPECT_NE(dice->texto.find(c.dice), std::string::npos) << dice->texto;
        // The parts: the design chapter stops at the failing one.
        const std::string ultima = corte ? "5. Diseño a cortante" : "4. Diseño a flexión";
        ASSERT_GE(partes.size(), 2u);
        EXPECT_EQ(partes[partes.size() - 2], ultima);
        EXPECT_EQ(partes.back(), corte ? "6. Avisos" : "5. Avisos");

        // The failure's message among the warnings, once.
        const std::vector<std::string> t = pruebas::TextosMemoria(
            std::vector<Bloque>(b.begin() + static_cast<long>(avisos), b.end()), " | ");
        int veces = 0;
        for (const std::string& x : t) {
            veces += x.ends_with(". " + c.mensaje.titulo + ": " + c.mensaje.texto);
        }
        EXPECT_EQ(veces, 1);
        EXPECT_NE(std::find(s.avisos.begin(), s.avisos.end(), c.mensaje), s.avisos.end());
        // After a shear failure the design ran on without steel: the deflection
        // it then found beyond the limit is marked as no result of the design.
        int deflexion = 0, marcados = 0;
        for (const std::string& x : t) {
            const bool tras = x.ends_with("calculado sin acero: no vale como diseño)");
            deflexion += x.find("sobrepasa") != std::string::npos;
            marcados += tras;
            EXPECT_FALSE(tras && x.find(c.mensaje.texto) != std::string::npos) << x;
        }
        EXPECT_EQ(marcados, corte ? deflexion : 0);
        EXPECT_TRUE(!corte || marcados > 0);

        // No bars on the section.
        for (const Bloque& x : b) {
            if (auto* f = std::get_if<FiguraSeccion>(&x)) {
                EXPECT_EQ(f->barrasInferiores, (std::array<int, 4>{}));
                EXPECT_EQ(f->barrasSuperiores, (std::array<int, 4>{}));
                ASSERT_EQ(f->leyenda.size(), 1u);
                EXPECT_TRUE(f->leyenda[0].starts_with("Sin varillas")) << f->leyenda[0];
            }
        }
    }
}

// The example with cantilevers, designed without the arrangements: the
// notice says what the screen finds, ends as a report does, and is the
// first of the warnings and the note under the extremes. Designed with them,
// there is no notice.
TEST(AvisosDeLaMemoria, AlternanciaConPalabrasDeInforme) {
    const Proyecto p = Abierto("viga_t_vuelos.kvx");
    const std::string pantalla = p.estado.AvisoAlternancia;
    ASSERT_TRUE(pantalla.starts_with("Con carga viva alternada: ")) << pantalla;
    const std::string informe = AvisoAlternanciaInforme(p.estado);
    const std::string hallazgo = pantalla.substr(0, pantalla.find(". ") + 1);
    EXPECT_EQ(informe, hallazgo + " El diseño no considera la alternancia de la carga viva.");

    const std::vector<std::string> t = pruebas::TextosMemoria(ConstruirMemoria(p), " | ");
    int avisos = -1, nota = -1, primero = -1;
    for (int i = 0; i < static_cast<int>(t.size()); ++i) {
        if (t[static_cast<std::size_t>(i)] == TextoPlano(informe)) nota = i;
        if (t[static_cast<std::size_t>(i)].ends_with("Avisos")) avisos = i;
        if (t[static_cast<std::size_t>(i)] == "1. Alternancia de la carga viva: " + informe) {
            primero = i;
        }
    }
    EXPECT_GE(nota, 0);
    EXPECT_GT(avisos, nota);
    EXPECT_EQ(primero, avisos + 2);  // after the heading and its sentence

    const Proyecto con = Abierto("viga_t_vuelos.kvx", true);
    EXPECT_EQ(AvisoAlternanciaInforme(con.estado), "");
    for (const std::string& x : pruebas::TextosMemoria(ConstruirMemoria(con), " | ")) {
        EXPECT_EQ(x.find("Con carga viva alternada"), std::string::npos) << x;
    }
}

// Every text of both reports of every example, with and without the
// arrangements and after the two failures: nothing addressed to the user of
// the windows.
TEST(AvisosDeLaMemoria, NingunTextoDeLosInformesHablaDeLaPantalla) {
    std::vector<Proyecto> proyectos;
    for (const char* ejemplo :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        proyectos.push_back(Abierto(ejemplo));
        proyectos.push_back(Abierto(ejemplo, true));
    }
    proyectos.push_back(AlmaDelgada("8"));
    proyectos.push_back(AlmaDelgada("6"));
    const std::string prohibidos[] = {"Active «", "en pantalla", " presione ",
                                      "Presione", "botón",       "haga clic"};
    int textos = 0;
    for (const Proyecto& p : proyectos) {
        std::vector<std::string> todo;
        for (const Bloque& b : ConstruirMemoria(p)) {
            for (std::string x : pruebas::TextosMemoria(std::vector<Bloque>{b}, " | ")) {
                if (auto* f = std::get_if<FormulaMemoria>(&b)) x += " " + f->concepto;
                if (auto* t = std::get_if<TablaMemoria>(&b)) {
                    for (const std::string& c : t->encabezado) x += " " + c;
                }
                todo.push_back(x);
            }
        }
        for (const ElementoInforme& e : PaginaInforme(p, true)) todo.push_back(e.texto);
        for (const std::string& x : todo) {
            ++textos;
            for (const std::string& w : prohibidos) {
                EXPECT_EQ(x.find(w), std::string::npos) << x;
            }
        }
    }
    EXPECT_GT(textos, 1000);
}

}  // namespace
}  // namespace korvex
