// The end of the design chapter of the calculation report: a failure (in
// flexure or in shear) is the last design step printed and "Avisos" follows
// with the failure's message.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "comun/Memoria.h"
#include "comun/Vigas.h"
#include "project/Calculo.h"
#include "project/Memoria.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;

Proyecto Abierto(const char* ejemplo) {
    Proyecto p;
    InterfazRegistro ui;
    EXPECT_TRUE(AbrirProyecto(Ejemplo(ejemplo), p, ui).calculo.calculado) << ejemplo;
    return p;
}

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
// after the failure is printed.
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
    }
}

}  // namespace
}  // namespace korvex
