// Fixture of the load-window tests: a fresh program with the load window
// shown and active, so that focus changes run its LostFocus and GotFocus
// rules as they do for a user; and the typing helpers.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

#include "comun/Ayudas.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/loads/frmCargas.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
namespace korvex {
inline void PrintTo(const Mensaje& m, std::ostream* os) {
    *os << "{\"" << m.texto << "\", \"" << m.titulo << "\", " << m.estilo << "}";
}
}  // namespace korvex

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
    // Clicks into the field, replaces its text by typing, leaves it with Tab
    // and lets the deferred check run.
    void TeclearYSalir(QLineEdit* campo, const QString& texto) {
        campo->setFocus(Qt::MouseFocusReason);
        campo->selectAll();
        if (texto.isEmpty()) {
            QTest::keyClick(campo, Qt::Key_Delete);
        } else {
            QTest::keyClicks(campo, texto);
        }
        QTest::keyClick(campo, Qt::Key_Tab);
        ProcesarEventos();
    }
    // The focus parked in the query field (which checks nothing on leaving)
    // and the messages forgotten: the next step starts as a fresh action.
    void Neutral() {
        c->txtX->setFocus(Qt::MouseFocusReason);
        ProcesarEventos();
        pruebas::Mensajes::Limpiar();
    }
    static Msgs Vistos() { return pruebas::Mensajes::Registrados(); }
    static void Olvidar() { pruebas::Mensajes::Limpiar(); }

    ui::frmCargas* c = nullptr;
};

inline Mensaje Critico(const char* texto, const char* titulo = "Distancia Incorrecta") {
    return {texto, titulo, kEstiloCritico};
}

}  // namespace korvex::pruebas
