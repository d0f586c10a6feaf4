#include "ui/common/Mensajes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace korvex::ui {

namespace {

// Style = buttons (low 4 bits: 0 OK, 1 OK/Cancel, 3 Sí/No/Cancelar) + icon
// (16, 32, 48, 64).
constexpr int kBotonesOkCancelar = 1;
constexpr int kBotonesSiNoCancelar = 3;

QMessageBox::StandardButtons Botones(int estilo) {
    switch (estilo & 0x0F) {
        case kBotonesOkCancelar:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case kBotonesSiNoCancelar:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
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
    // On the heap: the window the box belongs to may be unloaded while the
    // box is up, and its deletion takes the box with it (the answer is then
    // Cancelar, or OK for a box with only OK).
    QPointer<QMessageBox> caja = new QMessageBox(Icono(m.estilo), QString::fromStdString(m.titulo),
                                                 QString::fromStdString(m.texto), Botones(m.estilo),
                                                 QApplication::activeWindow());
    caja->setObjectName("MsgBox");
    const int botones = m.estilo & 0x0F;
    // Spanish captions (no Qt translation is loaded); the box's close button
    // and Esc answer Cancelar.
    if (botones == kBotonesSiNoCancelar) {
        caja->button(QMessageBox::Yes)->setText(QString::fromUtf8("&Sí"));
        caja->button(QMessageBox::No)->setText("&No");
        caja->setDefaultButton(QMessageBox::Yes);
    } else {
        caja->setDefaultButton(QMessageBox::Ok);
    }
    if (QAbstractButton* b = caja->button(QMessageBox::Cancel)) {
        b->setText("Cancelar");
        caja->setEscapeButton(b);
    }
    const int r = caja->exec();
    delete caja.data();
    switch (botones) {
        case kBotonesOkCancelar:
            return r == QMessageBox::Ok ? kRespuestaOk : kRespuestaCancelar;
        case kBotonesSiNoCancelar:
            return r == QMessageBox::Yes  ? kRespuestaSi
                   : r == QMessageBox::No ? kRespuestaNo
                                          : kRespuestaCancelar;
        default:
            return kRespuestaOk;
    }
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
