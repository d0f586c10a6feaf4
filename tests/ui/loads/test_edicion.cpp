// Editing a load of the table in place: a double click or Enter on its row
// puts it back into the fields, "Modificar" replaces the row after the checks
// of "Añadir" (the same calculation as the load typed afresh), and Esc,
// another load type or Ok leave the row as it was.
#include <gtest/gtest.h>

#include <functional>

#include "Cargas.h"
#include "project/Calculo.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

class Edicion : public VentanaCargas {
  protected:
    // An 8 m beam on supports at 1.5 and 6.5 m with a uniform dead load,
    // a point load of the category given and a moment.
    void TresCargas(const char* aPuntual, const char* pPuntual, QRadioButton* categoria) {
        c->Check_Vuelo->click();
        Teclear(c->txtL, "8");
        Teclear(c->txtJ, "1.5");
        Teclear(c->txtK, "6.5");
        Anadir(c->optDistribuida, c->optMuerta, "0", "8", "2", "2");
        Anadir(c->optPuntual, categoria, aPuntual, "", pPuntual);
        Anadir(c->optMomento, c->Option1, "7", "", "-2");
    }
    void DobleClic(int fila) {
        const QRect celda = c->grid->visualRect(c->grid->model()->index(fila, 2));
        // As the system delivers it: a click, then the second press as a double click.
        QTest::mouseClick(c->grid->viewport(), Qt::LeftButton, {}, celda.center());
        QTest::mouseDClick(c->grid->viewport(), Qt::LeftButton, {}, celda.center());
        QTest::mouseRelease(c->grid->viewport(), Qt::LeftButton, {}, celda.center());
        ProcesarEventos();
    }
    QStringList Campos() const {
        return {c->txtA->text(), c->txtB->text(), c->txtP1->text(), c->txtP2->text()};
    }
    // The project as the window left it, calculated on a copy.
    static EstadoProyecto Calculado() {
        Proyecto p = ProyectoActual();
        InterfazRegistro ui;
        EXPECT_TRUE(RealizarCalculos(p, ui).calculado);
        return p.estado;
    }
    void SetUp() override {
        VentanaCargas::SetUp();
        PonerSeccion(ProyectoActual(), kVigaRect, "25", "60");
    }
};

TEST_F(Edicion, CargaCorregidaEnLaTablaCalculaComoTecleadaDeNuevo) {
    TresCargas("4", "30", c->optViva);  // typed wrong: 30 Tn live at 4 m
    DobleClic(2);
    EXPECT_TRUE(c->optPuntual->isChecked() && c->optViva->isChecked());
    EXPECT_EQ(Campos(), (QStringList{"4", "", "30", ""}));
    EXPECT_EQ(c->cmdAnadir->text() + " / " + c->cmdAnadir->toolTip(),
              "Modificar / Reemplaza la carga seleccionada");
    // Corrected to 3 Tn dead at 3.5 m: the row replaced in its place.
    const QStringList primera = Fila(1), tercera = Fila(3);
    Anadir(c->optPuntual, c->optMuerta, "3.5", "", "3");
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(Fila(2), (QStringList{"2", "Puntual", "Muerta", "3.5", "0", "3", "0"}));
    EXPECT_EQ(Fila(1) + Fila(3), primera + tercera);
    EXPECT_EQ(c->cmdAnadir->text(), "&Añadir");
    EXPECT_TRUE(Campos().join("").isEmpty());
    const EstadoProyecto editado = Calculado();
    // The same beam typed from scratch with the right point load.
    c->cmdReiniciar->click();
    ProcesarEventos();
    TresCargas("3.5", "3", c->optMuerta);
    const EstadoProyecto tecleado = Calculado();
    EXPECT_EQ(editado.Cargas, tecleado.Cargas);
    EXPECT_TRUE(editado == tecleado)
        << "M(+) " << editado.MomentoPosMax << " frente a " << tecleado.MomentoPosMax;
}

// Enter on the selected row starts the edit (not on the header row); a check
// of "Añadir" refuses it as it refuses an addition, the row stays as it was
// and the edit goes on with the corrected field.
TEST_F(Edicion, EnterYUnRechazoQueDejaLaFila) {
    Teclear(c->txtL, "6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    Anadir(c->optDistribuida, c->optMuerta, "1.5", "2", "1", "3");
    const QStringList fila = Fila(2);
    c->grid->setCurrentCell(0, 0);
    QTest::keyClick(c->grid, Qt::Key_Return);
    EXPECT_EQ(c->FilaEnEdicion(), 0);
    c->grid->setCurrentCell(2, 3);
    QTest::keyClick(c->grid, Qt::Key_Enter);
    EXPECT_EQ(Campos(), (QStringList{"1.5", "2", "1", "3"}));
    EXPECT_TRUE(c->txtA->hasFocus());
    Neutral();
    Anadir(c->optDistribuida, c->optMuerta, "5", "2", "1", "3");
    EXPECT_EQ(Vistos(),
              Msgs{Critico("Esta Distancia no puede ser mayor que la Luz Total de la viga")});
    EXPECT_EQ(Fila(2), fila);
    EXPECT_EQ(c->txtA->text() + " " + c->cmdAnadir->text(), "4 Modificar");
    c->cmdAnadir->click();
    EXPECT_EQ(E().Cargas[2], (Carga{4, 2, 0, 1, 3, 6, kDistribuida, kMuerta}));
}

// Esc (in a field or in the table), another load type or Ok drop the edit:
// the row as it was, the fields emptied, the button "Añadir" again.
TEST_F(Edicion, EscOtroTipoYOkDejanLaFila) {
    Teclear(c->txtL, "6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    Anadir(c->optPuntual, c->optMuerta, "3", "", "4");
    const Carga antes = E().Cargas[2];
    const struct {
        const char* nombre;
        std::function<void()> accion;
        bool visible;
    } casos[] = {
        {"Esc en un campo", [&] { QTest::keyClick(c->txtP1, Qt::Key_Escape); }, true},
        {"Esc en la tabla", [&] { QTest::keyClick(c->grid, Qt::Key_Escape); }, true},
        {"otro tipo", [&] { c->optMomento->click(); }, true},
        {"Ok", [&] { c->cmdCargasOk->click(); }, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        if (!c->optPuntual->isChecked()) c->optPuntual->click();
        DobleClic(2);
        ASSERT_EQ(c->FilaEnEdicion(), 2);
        c->txtP1->setText("9");
        caso.accion();
        ProcesarEventos();
        EXPECT_EQ(E().Cargas[2], antes);
        EXPECT_EQ(c->cmdAnadir->text() + " / " + c->cmdAnadir->toolTip(),
                  "&Añadir / Inserta Carga");
        EXPECT_TRUE(Campos().join("").isEmpty() && !c->cmdAnadir->isEnabled());
        EXPECT_EQ(c->isVisible(), caso.visible);
        if (!c->isVisible()) {
            c->show();
            QApplication::setActiveWindow(c);
            ProcesarEventos();
        }
    }
}

}  // namespace
}  // namespace korvex::ui
