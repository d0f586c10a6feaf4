// Fixture of the load-window tests: the window shown and active, so that
// focus changes run its LostFocus and GotFocus rules as for a user.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "comun/Ayudas.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"

namespace korvex::pruebas {

using Msgs = std::vector<Mensaje>;

class VentanaCargas : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        c = ui::Ventana<ui::frmCargas>();
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
    // One load typed into the fields and added (or put in place of the edited row).
    void Anadir(QRadioButton* tipo, QRadioButton* categoria, const char* a, const char* b,
                const char* p1, const char* p2 = "") {
        if (!tipo->isChecked()) tipo->click();
        categoria->click();
        c->txtA->setText(a);
        if (c->txtB->isEnabled()) c->txtB->setText(b);
        c->txtP1->setText(p1);
        if (c->txtP2->isEnabled()) c->txtP2->setText(p2);
        c->cmdAnadir->click();
        ProcesarEventos();
    }
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
    // The seven cells of row r of the load table.
    QStringList Fila(int r) const {
        QStringList f;
        for (int k = 0; k < 7; ++k) f << ui::Celda(c->grid, r, k);
        return f;
    }
    EstadoProyecto& E() { return ui::ProyectoActual().estado; }

    ui::frmCargas* c = nullptr;
};

inline Mensaje Critico(const char* texto, const char* titulo = "Distancia Incorrecta") {
    return {texto, titulo, kEstiloCritico};
}
inline const Mensaje kMayorLuz =
    Critico("Esta Distancia no puede ser mayor que la Luz Total de la viga");

}  // namespace korvex::pruebas
