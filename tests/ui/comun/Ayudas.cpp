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

namespace korvex::pruebas {

Carga Puntual(float a, float P, float categoria, float L) {
    return {a, 0, L - a, P, 0, a, kPuntual, categoria};
}

Carga Uniforme(float a, float b, float w, float categoria, float L) {
    return {a, b, L - a - b, w, w, a + b, kDistribuida, categoria};
}

void PonerViga(float L, std::initializer_list<Carga> cargas, float J, float K) {
    EstadoProyecto& e = ui::Registro::Instancia().proyecto().estado;
    e.LuzViga = L;
    e.DistJ = J;
    e.DistK = K < 0 ? L : K;
    for (const Carga& c : cargas) AgregarCarga(e, c);
}

QString Ejemplo(const char* nombre) {
    return QString(KORVEX_EJEMPLOS) + "/" + nombre;
}

}  // namespace korvex::pruebas
