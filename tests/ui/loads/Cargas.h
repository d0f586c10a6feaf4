// Fixture of the load-window tests: a fresh program with the load window
// shown and active, so that focus changes run its LostFocus and GotFocus
// rules as they do for a user.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "comun/Ayudas.h"
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
    // The focus parked in the query field (which checks nothing on leaving)
    // and the messages forgotten: the next step starts as a fresh action.
    void Neutral() {
        c->txtX->setFocus(Qt::MouseFocusReason);
        ProcesarEventos();
        Mensajes::Limpiar();
    }
    static Msgs Vistos() { return Mensajes::Registrados(); }
    EstadoProyecto& E() { return ui::ProyectoActual().estado; }

    ui::frmCargas* c = nullptr;
};

inline Mensaje Critico(const char* texto, const char* titulo = "Distancia Incorrecta") {
    return {texto, titulo, kEstiloCritico};
}

}  // namespace korvex::pruebas
