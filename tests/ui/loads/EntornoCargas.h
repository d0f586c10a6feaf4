// The load window test bench: the main window and the load window shown and
// active, the messages the load window shows, and a field typed and left as
// a user does.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>
#include <vector>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {
namespace {

using namespace pruebas;
using Msgs = std::vector<Mensaje>;

Mensaje Critico(const char* texto, const char* titulo = "Distancia Incorrecta") {
    return {texto, titulo, kEstiloCritico};
}
const Mensaje kPositivas = Critico("Las distancias siempre son Numeros Positivos");
const Mensaje kMayorLuz = Critico("Esta Distancia no puede ser mayor que la Luz Total de la viga");
const Mensaje kKMenorJ = Critico("Distancia K no puede ser menor o igual que J");

// A field typed and left with Tab, as a fresh action of the user.
struct Paso {
    QLineEdit* campo;
    const char* texto;
    Msgs vistos;                  // the messages shown
    const char* queda = nullptr;  // the field's text afterwards, when checked
    QLineEdit* foco = nullptr;    // the field left focused and selected for the correction
};

class Cargas : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        Mostrar();
    }
    // Shown (loaded if it was not, on the main window's document) and active,
    // as the main window's button leaves it.
    void Mostrar() {
        c = g->Ventana<frmCargas>();
        c->show();
        QApplication::setActiveWindow(c);
        ProcesarEventos();
    }
    // The focus parked in the query field (no check on leaving), messages forgotten.
    void Neutral() {
        c->txtX->setFocus(Qt::MouseFocusReason);
        ProcesarEventos();
        Mensajes::Limpiar();
    }
    static Msgs Vistos() { return Mensajes::Registrados(); }
    // One load typed into the fields and added (or put in place of the edited
    // row): the messages this showed. b and P2 only where the type has them.
    Msgs Anadir(QRadioButton* tipo, QRadioButton* categoria, const char* a, const char* b,
                const char* p1, const char* p2 = "") {
        Mensajes::Limpiar();
        if (!tipo->isChecked()) tipo->click();
        categoria->click();
        for (auto [f, t] : {std::pair{c->txtA, a}, {c->txtB, b}, {c->txtP1, p1}, {c->txtP2, p2}})
            if (f->isEnabled()) f->setText(t);
        c->cmdAnadir->click();
        ProcesarEventos();
        return Vistos();
    }
    // The seven cells of row r of the load table.
    QStringList Fila(int r) const {
        QStringList f;
        for (int k = 0; k < 7; ++k) f << Celda(c->grid, r, k);
        return f;
    }
    EstadoProyecto& E() { return g->documento().proyecto().estado; }
    void Pasos(std::initializer_list<Paso> pasos) {
        for (const Paso& p : pasos) {
            SCOPED_TRACE(p.campo->objectName().toStdString() + " = " + p.texto);
            Neutral();
            Teclear(p.campo, p.texto);
            EXPECT_EQ(Vistos(), p.vistos);
            if (p.queda != nullptr) {
                EXPECT_EQ(p.campo->text(), p.queda);
            }
            if (p.foco != nullptr) {
                EXPECT_TRUE(p.foco->hasFocus());
                EXPECT_EQ(p.foco->selectedText(), p.foco->text());
            }
            // A refused text left in place would be refused again on leaving.
            if (!p.vistos.empty() && p.queda == nullptr) p.campo->clear();
        }
    }
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
    // The caption and tool tip of "Añadir", which reads "Modificar" during an edit.
    QString Boton() const { return c->cmdAnadir->text() + " / " + c->cmdAnadir->toolTip(); }

    frmGeneral* g = nullptr;
    frmCargas* c = nullptr;
};

}  // namespace
}  // namespace korvex::ui
