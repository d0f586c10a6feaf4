// The load table: adding and its refusals, deleting, Ok with the flange
// check, reopening after the close box, the sketch; editing a load in place
// (a double click or Enter puts its row back into the fields, "Modificar"
// replaces it after the checks of "Añadir").
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "Cargas.h"
#include "project/Calculo.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

class Tabla : public VentanaCargas {
  protected:
    void ExpectVigaLibre(bool libre) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{c->txtL, c->txtJ, c->txtK, c->Check_Vuelo})
            EXPECT_EQ(w->isEnabled(), libre) << w->objectName().toStdString();
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
};

TEST_F(Tabla, AnadirCongelaLaVigaLlenaLaRejillaYEnterEdita) {
    Teclear(c->txtL, "6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    ASSERT_EQ(E().NumCargas, 1);
    EXPECT_EQ(E().Cargas[1], (Carga{2, 0, 4, 5, 0, 2, kPuntual, kViva}));
    EXPECT_EQ(E().DistK, 6.0f);  // without cantilevers k is the length
    ExpectVigaLibre(false);
    EXPECT_FALSE(c->cmdAnadir->isEnabled());
    EXPECT_TRUE(c->txtA->hasFocus() && c->txtP1->text().isEmpty());
    Anadir(c->optDistribuida, c->optMuerta, "1.5", "2", "1", "3");
    Anadir(c->optMomento, c->Option1, "4", "", "-2.5");
    EXPECT_EQ(E().Cargas[2], (Carga{1.5, 2, 2.5, 1, 3, 3.5, kDistribuida, kMuerta}));
    ASSERT_EQ(c->grid->rowCount(), 4);
    EXPECT_EQ(Fila(1), (QStringList{"1", "Puntual", "Viva", "2", "0", "5", "0"}));
    EXPECT_EQ(Fila(3), (QStringList{"3", "Momento", "Otros", "4", "0", "-2.5", "0"}));
    // The tool tip of the distributed load's symbol; nothing away from the symbols.
    EXPECT_EQ(c->DescripcionEn(495 + 2872 * 2.5 / 6, 1200),
              "Carga 2: Distribuida, Muerta, a = 1.5 m, b = 2 m, P1 = 1, P2 = 3");
    EXPECT_TRUE(c->DescripcionEn(3300, 300).isEmpty());

    // Enter on a load row (not the header) starts an edit; a check of
    // "Añadir" refuses it, the row stays and the edit goes on corrected.
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
    EXPECT_EQ(Vistos(), Msgs{kMayorLuz});
    EXPECT_EQ(Fila(2), fila);
    EXPECT_EQ(c->txtA->text() + " " + c->cmdAnadir->text(), "4 Modificar");
    c->cmdAnadir->click();
    EXPECT_EQ(E().Cargas[2], (Carga{4, 2, 0, 1, 3, 6, kDistribuida, kMuerta}));
}

TEST_F(Tabla, RechazosDeAnadir) {
    Teclear(c->txtL, "6");
    // a = 5 and b = 2 on 6 m: the span message, a becomes 4, nothing added.
    Anadir(c->optDistribuida, c->optMuerta, "5", "2", "1", "1");
    EXPECT_EQ(Vistos(), Msgs{kMayorLuz});
    EXPECT_EQ(c->txtA->text(), "4");
    // P1 "0" and P2 "0" refused; "0" and "0.0" pass (the texts are compared).
    Neutral();
    Anadir(c->optDistribuida, c->optMuerta, "0", "2", "0", "0");
    EXPECT_EQ(
        Vistos(),
        (Msgs{{"La Carga Distribuida no puede ser 0.", "Valor incorrecto", kEstiloExclamacion}}));
    EXPECT_TRUE(c->txtP1->hasFocus());
    Neutral();
    c->txtP2->setText("0.0");
    c->cmdAnadir->click();
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(E().NumCargas, 1);
    // A distributed load over b = 0 (its slope would divide by 0): refused.
    Neutral();
    Anadir(c->optDistribuida, c->optViva, "1", "0", "1", "3");
    EXPECT_EQ(Vistos().at(0).texto, "La base b de la Carga Distribuida debe ser mayor que 0");
    EXPECT_TRUE(c->txtB->hasFocus());
    // The table full: the next load is refused with a message, not lost.
    while (E().NumCargas < kMaxCargas) AgregarCarga(E(), Puntual(1, 1, kViva, 6));
    Neutral();
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    EXPECT_EQ(std::tuple(Vistos().at(0).estilo, E().NumCargas), std::tuple(48, kMaxCargas));
}

TEST_F(Tabla, BorrarLaSeleccionadaLaUltimaYLaUnica) {
    Teclear(c->txtL, "6");
    for (const char* a : {"1", "2", "3"}) Anadir(c->optPuntual, c->optViva, a, "", a);
    c->grid->setCurrentCell(2, 1);  // the second row selected: loads 1 and 3 remain
    c->cmdBorrar->click();
    ASSERT_EQ(E().NumCargas, 2);
    EXPECT_EQ(Fila(2), (QStringList{"2", "Puntual", "Viva", "3", "0", "3", "0"}));
    c->grid->setCurrentCell(0, 0);  // the header row marks no load
    c->cmdBorrar->click();
    EXPECT_EQ(E().NumCargas, 2);
    Anadir(c->optPuntual, c->optViva, "4", "", "4");  // selection untouched: the last goes
    c->cmdBorrar->click();
    EXPECT_EQ(E().Cargas[2].P1, 3.0f);

    // Down to the only one: the beam, the results and the main window's
    // figures are released.
    c->cmdBorrar->click();
    E().MomentoPosMax = 9;
    frmGeneral* g = Ventana<frmGeneral>();
    g->lblMp->setText("9.00");
    c->cmdBorrar->click();
    EXPECT_EQ(std::tuple(E().NumCargas, E().LuzViga, E().MomentoPosMax), std::tuple(0, 0.0f, 0.0f));
    EXPECT_TRUE(c->txtL->text().isEmpty());
    ExpectVigaLibre(true);
    EXPECT_EQ(c->grid->rowCount(), 1);
    EXPECT_TRUE(g->lblMp->text().isEmpty());
    EXPECT_EQ(c->pctCarga->IzquierdaTwips(c->Apoyo2), 3240);
}

TEST_F(Tabla, AceptarComprobandoElAla) {
    frmGeneral* g = Ventana<frmGeneral>();
    Proyecto& p = ProyectoActual();
    // No load yet: no check (the limit of a 0 m beam would refuse any
    // flange), and the calculation stays unavailable.
    PonerSeccion(p, kVigaT, "200", "10", "25", "40");
    g->cmdCalculos->setEnabled(true);
    c->cmdCargasOk->click();
    EXPECT_TRUE(Vistos().empty() && !g->cmdCalculos->isEnabled() && !c->isVisible());
    // 6 m: limit min(600 / 4, 16 x 10 + 25) = 150 cm, so 200 is refused and
    // the section window comes up with 150 selected.
    c->show();
    QApplication::setActiveWindow(c);
    Teclear(c->txtL, "6");
    Anadir(c->optDistribuida, c->optMuerta, "0", "6", "2", "2");
    Neutral();
    c->cmdCargasOk->click();
    ProcesarEventos();
    EXPECT_EQ(Vistos().at(0).titulo, "Dimensión insuficiente");
    frmSeccion* s = Ventana<frmSeccion>();
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->txtB->selectedText(), "150");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    // Within the limit: accepted, the calculation available.
    s->hide();
    PonerSeccion(p, kVigaT, "150", "10", "25", "40");
    c->show();
    c->cmdCargasOk->click();
    EXPECT_TRUE(g->cmdCalculos->isEnabled());
}

TEST_F(Tabla, EdicionComoTecleadaDeNuevoYReaperturaTrasElCuadroDeCierre) {
    PonerSeccion(ProyectoActual(), kVigaRect, "25", "60");
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
    EXPECT_TRUE(editado == tecleado)
        << "M(+) " << editado.MomentoPosMax << " frente a " << tecleado.MomentoPosMax;

    // The close box accepts as "Ok" does and unloads; reopened, the window is
    // restored (the supports to scale on the 2872-twip beam starting at 360).
    const QStringList fila2 = Fila(2);
    frmGeneral* g = Ventana<frmGeneral>();
    g->cmdCalculos->setEnabled(false);
    c->close();
    ProcesarEventos();
    EXPECT_TRUE(g->cmdCalculos->isEnabled());
    EXPECT_EQ(Registro::Instancia().SiExiste<frmCargas>(), nullptr);
    c = Ventana<frmCargas>();
    c->show();
    EXPECT_EQ(Fila(2), fila2);
    EXPECT_EQ(c->txtL->text() + " " + c->txtJ->text() + " " + c->txtK->text(), "8 1.5 6.5");
    ExpectVigaLibre(false);
    EXPECT_TRUE(c->Check_Vuelo->isChecked() && c->txtJ->isVisible());
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo1), 360 + 2872 * 1.5 / 8, 1);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo2), 360 + 2872 * 6.5 / 8, 1);
}

// Esc (in a field or the table), another load type or Ok drop the edit.
TEST_F(Tabla, EdicionEscOtroTipoYOkDejanLaFila) {
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
