#include "Ayudas.h"

#include <QCoreApplication>
#include <QEvent>

namespace korvex::pruebas {

std::vector<std::string> TextosMensajes() {
    std::vector<std::string> t;
    for (const auto& m : ui::Mensajes::Registrados()) t.push_back(m.texto);
    return t;
}

Mensaje UltimoMensaje() {
    const auto& r = ui::Mensajes::Registrados();
    return r.empty() ? Mensaje{} : r.back();
}

void ProcesarEventos() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Entorno::SetUp() {
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    ui::Mensajes::ModoPrueba(true);
    ui::Mensajes::Limpiar();
}

void Entorno::TearDown() {
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    ui::Mensajes::Limpiar();
}

}  // namespace korvex::pruebas
