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

// Readable values in the failure reports.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
namespace korvex {
inline void PrintTo(const Mensaje& m, std::ostream* os) {
    *os << "{\"" << m.texto << "\", \"" << m.titulo << "\", " << m.estilo << "}";
}
}  // namespace korvex

namespace korvex::pruebas {

class VentanaCargas : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        c = ui::Ventana<ui::frmCargas>();
        c->show();
        QApplication::setActiveWindow(c);
        ProcesarEventos();
    }

    // Clicks into the field, replaces its text by typing.
    void Teclear(QLineEdit* campo, const QString& texto) {
        campo->setFocus(Qt::MouseFocusReason);
        campo->selectAll();
        if (texto.isEmpty()) {
            QTest::keyClick(campo, Qt::Key_Delete);
        } else {
            QTest::keyClicks(campo, texto);
        }
    }
    // Leaves the field with Tab and lets the deferred check run.
    void Salir(QLineEdit* campo) {
        QTest::keyClick(campo, Qt::Key_Tab);
        ProcesarEventos();
    }
    void TeclearYSalir(QLineEdit* campo, const QString& texto) {
        Teclear(campo, texto);
        Salir(campo);
    }
    // Leaves the field by clicking into another one.
    void SalirHacia(QLineEdit* otro) {
        otro->setFocus(Qt::MouseFocusReason);
        ProcesarEventos();
    }

    // The focus parked in the query field (which checks nothing on leaving),
    // the pending checks run and the messages forgotten: the next step starts
    // as a user's fresh action.
    void Neutral() {
        c->txtX->setFocus(Qt::MouseFocusReason);
        ProcesarEventos();
        ui::Mensajes::Limpiar();
    }

    static std::vector<Mensaje> Vistos() { return ui::Mensajes::Registrados(); }
    static void Olvidar() { ui::Mensajes::Limpiar(); }

    ui::frmCargas* c = nullptr;
};

inline Mensaje Critico(const char* texto, const char* titulo) {
    return {texto, titulo, kEstiloCritico};
}

}  // namespace korvex::pruebas
