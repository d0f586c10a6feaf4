// When "Añadir" becomes available: each field's change rule, as a table of
// (load type, cantilevers, the fields in the order the user fills them) and
// the state the last rule leaves. A non-numeric text leaves the button as
// it was in some rules and disables it in others.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "Cargas.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

enum Tipo { P, D, M };  // point, distributed, moment
using Anadir = VentanaCargas;

TEST_F(Anadir, ReglasDeCadaCampo) {
    const struct {
        Tipo tipo;
        bool vuelos;
        const char* campos;  // "txtL=6 txtA=1 ...": texts set in this order
        bool habilitado;
    } casos[] = {
        {P, false, "txtL=6 txtA=1 txtP1=2", true},
        {P, false, "txtL=6 txtP1=2", false},
        {M, false, "txtL=6 txtA=1 txtP1=-3", true},
        {P, false, "txtA=1 txtP1=2 txtL=6", true},
        {P, false, "txtL=6 txtP1=2 txtA=1", true},
        {P, false, "txtL=6 txtA=1 txtP1=2 txtA=", false},
        {P, false, "txtL=6 txtA=1 txtP1=2 txtA=1x", true},
        {P, false, "txtL=6 txtA=1 txtP1=2 txtL=6x", false},
        {P, false, "txtL=6 txtA=1 txtP1=2 txtP1=2x", false},
        {D, false, "txtL=6 txtA=0 txtB=2 txtP1=1", true},
        {D, false, "txtL=6 txtA=0 txtP1=1", false},
        {D, false, "txtL=6 txtB=2 txtP2=1", true},
        {D, false, "txtB=2 txtP2=1", false},
        {D, false, "txtL=6 txtB=2 txtP1=1 txtA=", true},
        {D, false, "txtL=6 txtB=2", false},
        {D, false, "txtP2=3 txtB=2", true},
        {D, false, "txtL=6 txtB=2 txtP1=1 txtB=2x", false},
        {D, false, "txtB=2 txtP1=1 txtL=6", true},
        {D, false, "txtB=2 txtP2=1 txtB= txtL=6", false},
        {D, false, "txtL=6 txtB=2 txtP2=1 txtP1=x", true},
        {D, false, "txtL=6 txtB=2 txtP1=1 txtP2=x", true},
        {D, false, "txtL=6 txtB=2 txtP2=1 txtP2=1x", false},
        {P, true, "txtL=6 txtK=5 txtA=1 txtP1=2", true},
        {P, true, "txtL=6 txtA=1 txtP1=2", false},
        {P, true, "txtL=6 txtK=5 txtA=1 txtP1=2 txtK=", false},
        {P, true, "txtL=6 txtK=5 txtA=1 txtP1=2 txtK=5x", false},
        {M, true, "txtL=6 txtA=1 txtP1=2 txtK=5", true},
        {D, true, "txtL=6 txtK=5 txtB=2 txtP1=1", true},
        {D, true, "txtL=6 txtB=2 txtK=5", false},
        {D, true, "txtL=6 txtK=5 txtP1=1 txtA=0", true},
        {D, true, "txtL=6 txtK=x txtP1=1 txtB=2", false},
        {D, true, "txtK=5 txtP2=1 txtB=2", true},
        {D, true, "txtL=6 txtB=2 txtP2=1", false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.campos) + (caso.vuelos ? " con vuelos" : ""));
        if (c->Check_Vuelo->isChecked() != caso.vuelos) c->Check_Vuelo->click();
        for (QLineEdit* f : {c->txtL, c->txtJ, c->txtK}) f->clear();
        // Choosing a type empties the load fields and disables the button.
        c->optMomento->click();
        c->optPuntual->click();
        std::array{c->optPuntual, c->optDistribuida, c->optMomento}[caso.tipo]->click();
        ASSERT_FALSE(c->cmdAnadir->isEnabled());
        // Each text set runs the field's change rule, as typing does.
        for (const QString& par : QString(caso.campos).split(' ')) {
            const QStringList p = par.split('=');
            Hijo<QLineEdit>(c, p[0])->setText(p[1]);
        }
        EXPECT_EQ(c->cmdAnadir->isEnabled(), caso.habilitado);
    }
}

}  // namespace
}  // namespace korvex::ui
