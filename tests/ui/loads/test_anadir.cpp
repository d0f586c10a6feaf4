// When "Añadir" becomes available: each field's change rule, built as a
// table of (load type, cantilevers, the fields in the order the user fills
// them) and the state the last rule leaves.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "Cargas.h"

namespace korvex::ui {
namespace {

enum Tipo { P, D, M };  // point, distributed, moment

struct Caso {
    const char* nombre;
    Tipo tipo;
    bool vuelos;
    std::vector<std::pair<const char*, const char*>> campos;  // field, text, in order
    bool habilitado;
};

class Anadir : public pruebas::VentanaCargas {
  protected:
    QLineEdit* Campo(const char* nombre) { return pruebas::Hijo<QLineEdit>(c, nombre); }
    void Aplicar(const Caso& caso) {
        if (c->Check_Vuelo->isChecked() != caso.vuelos) c->Check_Vuelo->click();
        for (QLineEdit* f : {c->txtL, c->txtJ, c->txtK}) f->clear();
        QRadioButton* tipo = caso.tipo == P   ? c->optPuntual
                             : caso.tipo == D ? c->optDistribuida
                                              : c->optMomento;
        // Choosing the type lays the window out and disables the button.
        c->optMomento->click();
        c->optPuntual->click();
        tipo->click();
        ASSERT_FALSE(c->cmdAnadir->isEnabled());
        // Each text set runs the field's change rule, as typing does.
        for (auto [campo, texto] : caso.campos) Campo(campo)->setText(texto);
    }
};

TEST_F(Anadir, ReglasDeCadaCampo) {
    const std::vector<Caso> casos = {
        // Without cantilevers, point load or moment.
        {"P1 con L y a", P, false, {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}}, true},
        {"P1 sin a", P, false, {{"txtL", "6"}, {"txtP1", "2"}}, false},
        {"momento: P1 con L y a", M, false, {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "-3"}}, true},
        {"L al final con a y P1", P, false, {{"txtA", "1"}, {"txtP1", "2"}, {"txtL", "6"}}, true},
        {"a con L y P1", P, false, {{"txtL", "6"}, {"txtP1", "2"}, {"txtA", "1"}}, true},
        {"a vaciada",
         P,
         false,
         {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtA", ""}},
         false},
        {"a no numérica: sin cambio",
         P,
         false,
         {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtA", "1x"}},
         true},
        {"L no numérica",
         P,
         false,
         {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtL", "6x"}},
         false},
        {"P1 no numérica sin P2",
         P,
         false,
         {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtP1", "2x"}},
         false},
        // Without cantilevers, distributed load.
        {"P1 con L y b",
         D,
         false,
         {{"txtL", "6"}, {"txtA", "0"}, {"txtB", "2"}, {"txtP1", "1"}},
         true},
        {"P1 sin b", D, false, {{"txtL", "6"}, {"txtA", "0"}, {"txtP1", "1"}}, false},
        {"P2 con L y b (a vacía)", D, false, {{"txtL", "6"}, {"txtB", "2"}, {"txtP2", "1"}}, true},
        {"P2 sin L", D, false, {{"txtB", "2"}, {"txtP2", "1"}}, false},
        {"a: sin cambio para distribuida",
         D,
         false,
         {{"txtL", "6"}, {"txtB", "2"}, {"txtP1", "1"}, {"txtA", ""}},
         true},
        {"b sin intensidades", D, false, {{"txtL", "6"}, {"txtB", "2"}}, false},
        {"b con P2", D, false, {{"txtP2", "3"}, {"txtB", "2"}}, true},
        {"b no numérica",
         D,
         false,
         {{"txtL", "6"}, {"txtB", "2"}, {"txtP1", "1"}, {"txtB", "2x"}},
         false},
        {"L con b y P1", D, false, {{"txtB", "2"}, {"txtP1", "1"}, {"txtL", "6"}}, true},
        {"L sin b: sin cambio",
         D,
         false,
         {{"txtB", "2"}, {"txtP2", "1"}, {"txtB", ""}, {"txtL", "6"}},
         false},
        {"P1 no numérica con P2 numérica: sin cambio",
         D,
         false,
         {{"txtL", "6"}, {"txtB", "2"}, {"txtP2", "1"}, {"txtP1", "x"}},
         true},
        {"P2 no numérica con P1 numérica: sin cambio",
         D,
         false,
         {{"txtL", "6"}, {"txtB", "2"}, {"txtP1", "1"}, {"txtP2", "x"}},
         true},
        {"P2 no numérica sin P1",
         D,
         false,
         {{"txtL", "6"}, {"txtB", "2"}, {"txtP2", "1"}, {"txtP2", "1x"}},
         false},
        // With cantilevers.
        {"vuelos: P1 con L, k y a",
         P,
         true,
         {{"txtL", "6"}, {"txtK", "5"}, {"txtA", "1"}, {"txtP1", "2"}},
         true},
        {"vuelos: P1 sin k", P, true, {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}}, false},
        {"vuelos: k vaciada",
         P,
         true,
         {{"txtL", "6"}, {"txtK", "5"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtK", ""}},
         false},
        {"vuelos: k no numérica",
         P,
         true,
         {{"txtL", "6"}, {"txtK", "5"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtK", "5x"}},
         false},
        {"vuelos: k al final",
         M,
         true,
         {{"txtL", "6"}, {"txtA", "1"}, {"txtP1", "2"}, {"txtK", "5"}},
         true},
        {"vuelos: distribuida con k",
         D,
         true,
         {{"txtL", "6"}, {"txtK", "5"}, {"txtB", "2"}, {"txtP1", "1"}},
         true},
        {"vuelos: distribuida k al final sin intensidades",
         D,
         true,
         {{"txtL", "6"}, {"txtB", "2"}, {"txtK", "5"}},
         false},
        {"vuelos: a con L, P1 y k en distribuida",
         D,
         true,
         {{"txtL", "6"}, {"txtK", "5"}, {"txtP1", "1"}, {"txtA", "0"}},
         true},
        {"vuelos: b con k no numérica: sin cambio",
         D,
         true,
         {{"txtL", "6"}, {"txtK", "x"}, {"txtP1", "1"}, {"txtB", "2"}},
         false},
        {"vuelos: b con k", D, true, {{"txtK", "5"}, {"txtP2", "1"}, {"txtB", "2"}}, true},
        {"vuelos: P2 sin k", D, true, {{"txtL", "6"}, {"txtB", "2"}, {"txtP2", "1"}}, false},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Aplicar(caso);
        EXPECT_EQ(c->cmdAnadir->isEnabled(), caso.habilitado);
    }
}

}  // namespace
}  // namespace korvex::ui
