#include "ui/startup/Ayuda.h"

#include "ui/common/Registro.h"
#include "ui/startup/frmAbout.h"
#include "ui/startup/frmHelp.h"

namespace korvex::ui {

namespace {

// A help window is not modal: it is created once, and showing it again
// brings the open one to the front.
void MostrarDelante(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

void MostrarAyuda(int cual) {
    if (cual == 1) {
        MostrarDelante(Registro::Instancia().Ventana<frmHelp>());
    } else if (cual == 2) {
        MostrarDelante(Registro::Instancia().Ventana<frmHelp2>());
    } else if (cual == 3) {
        // Modal; its OK unloads it, so each opening starts afresh.
        Registro::Instancia().Ventana<frmAbout>()->exec();
        Registro::Instancia().Descargar<frmAbout>();
    }
}

}  // namespace korvex::ui
