// The point query of the load window: the core's values shown in grid1,
// and a refused abscissa leaving the grid as it was, with txtX selected.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "Cargas.h"
#include "ui/common/Rejilla.h"

namespace korvex::ui {
namespace {

class Consulta : public pruebas::VentanaCargas {
  protected:
    // Moment left, shear left, moment right, shear right, as shown.
    QStringList Preguntar(const char* x) {
        c->txtX->setText(x);
        c->cmdCalc->click();
        return {Celda(c->grid1, 1, 1), Celda(c->grid1, 1, 2), Celda(c->grid1, 2, 1),
                Celda(c->grid1, 2, 2)};
    }
};

TEST_F(Consulta, ValoresYRechazos) {
    // 10 Tn already factored at midspan of 6 m, no self weight: reactions
    // 5 Tn, moment under the load 15 Tn.m; at the ends one side is zero.
    pruebas::PonerViga(6, {pruebas::Puntual(3, 10, kOtros, 6)});
    EXPECT_EQ(Preguntar("0"), (QStringList{".00", ".00", ".00", "5.00"}));
    EXPECT_EQ(Preguntar("6"), (QStringList{".00", "-5.00", ".00", ".00"}));
    const QStringList antes = Preguntar("3");
    EXPECT_EQ(antes, (QStringList{"15.00", "5.00", "15.00", "-5.00"}));
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(ProyectoActual().estado.NumCargas, 1);  // the table is not touched

    for (auto [x, texto] :
         {std::pair{"6.01", "El punto analizado debe estar en el intervalo 0 <= X <= L"},
          {"-1", "Las distancias siempre son Numeros Positivos"},
          {"tres", "Las distancias siempre son Numeros Positivos"}}) {
        SCOPED_TRACE(x);
        Neutral();
        EXPECT_EQ(Preguntar(x), antes);
        EXPECT_EQ(Vistos(), pruebas::Msgs{pruebas::Critico(texto)});
        EXPECT_TRUE(c->txtX->hasFocus());
        EXPECT_EQ(c->txtX->selectedText(), x);
    }
    Neutral();
    EXPECT_EQ(Preguntar(""), antes);
    EXPECT_TRUE(Vistos().empty());
}

}  // namespace
}  // namespace korvex::ui
