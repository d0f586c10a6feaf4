// frmGeneral: the project's file and its changes. The title names the file
// after the caption, joined by the caption's own trailing blank and "- "
// ("Korvex 2000 v1.0 - viga.kvx"), with "*" while the data changed since the
// file was opened or saved; without a file it is the caption alone. Closing,
// New and opening another project first ask whether to save the changes.
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

namespace {

constexpr const char* kPreguntaGuardar = "¿Desea guardar los cambios del proyecto?";
constexpr const char* kTituloPregunta = "Guardar cambios";

}  // namespace

void frmGeneral::FijarArchivo(const QString& archivo) {
    archivo_ = archivo;
    base_ = DatosDe(ProyectoActual());
    ActualizarTitulo();
}

bool frmGeneral::Cambiado() const {
    return korvex::Cambiado(base_, ProyectoActual());
}

void frmGeneral::ActualizarTitulo() {
    QString t = kTitulo;
    if (!archivo_.isEmpty()) {
        t += "- " + QFileInfo(archivo_).fileName();
        if (Cambiado()) t += "*";
    }
    // Qt reads "[*]" in a title as its own mark; a file name may hold it.
    t.replace("[*]", "[*][*]");
    setWindowTitle(t);
}

bool frmGeneral::ConfirmarDescarte() {
    if (!Cambiado()) return true;
    switch (MostrarMensaje(kPreguntaGuardar, kTituloPregunta, kEstiloSiNoCancelar)) {
        case kRespuestaSi:
            // Through the save dialog when the project has no file yet; the
            // command goes on only when the project was saved.
            return archivo_.isEmpty() ? GuardarComo() : GuardarEn(archivo_);
        case kRespuestaNo:
            return true;
        default:
            return false;
    }
}

bool frmGeneral::eventFilter(QObject* objeto, QEvent* e) {
    // After the user's input has been handled, wherever it went (the load
    // window adds loads while the main window stays up), the title is
    // brought up to date once.
    const QEvent::Type t = e->type();
    if (t == QEvent::MouseButtonRelease || t == QEvent::KeyRelease || t == QEvent::Wheel) {
        if (!titulo_->isActive()) titulo_->start(0);
    }
    if (ArrastreEnCampo(objeto, e)) return true;
    return QMainWindow::eventFilter(objeto, e);
}

}  // namespace korvex::ui
