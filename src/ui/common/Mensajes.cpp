#include "ui/common/Mensajes.h"

#include <QApplication>
#include <QMessageBox>

namespace korvex::ui {

namespace {

// Style = buttons (low 4 bits: 0 OK, 1 OK/Cancel) + icon (16, 32, 48, 64).
bool ConCancelar(int estilo) {
    return (estilo & 0x0F) == 1;
}

QMessageBox::Icon Icono(int estilo) {
    switch (estilo & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int Caja(const Mensaje& m) {
    QMessageBox caja(
        Icono(m.estilo), QString::fromStdString(m.titulo), QString::fromStdString(m.texto),
        ConCancelar(m.estilo) ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
        QApplication::activeWindow());
    caja.setObjectName("MsgBox");
    caja.setDefaultButton(QMessageBox::Ok);
    const int r = caja.exec();
    if (!ConCancelar(m.estilo)) return kRespuestaOk;
    return r == QMessageBox::Ok ? kRespuestaOk : kRespuestaCancelar;
}

// The stirrup question of the windows, once set.
std::function<std::string()>& Pregunta() {
    static std::function<std::string()> f;
    return f;
}

korvex::Interfaz*& Otro() {
    static korvex::Interfaz* otro = nullptr;
    return otro;
}

}  // namespace

int InterfazVentanas::MostrarMensaje(const Mensaje& m) {
    return Caja(m);
}

std::string InterfazVentanas::PedirDiametroEstribo() {
    return Pregunta() ? Pregunta()() : "3/8";
}

korvex::Interfaz& Adaptador() {
    static InterfazVentanas ventanas;
    return Otro() != nullptr ? *Otro() : ventanas;
}

void FijarAdaptador(korvex::Interfaz* otro) {
    Otro() = otro;
}

void FijarPreguntaEstribo(std::function<std::string()> pregunta) {
    Pregunta() = std::move(pregunta);
}

int MostrarMensaje(const std::string& texto, const std::string& titulo, int estilo) {
    return Adaptador().MostrarMensaje(Mensaje{texto, titulo, estilo});
}

}  // namespace korvex::ui
