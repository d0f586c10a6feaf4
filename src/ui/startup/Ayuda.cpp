// The help menu: the instructions (1), the quick guide (2) and the about
// window (3).
#include "ui/common/Registro.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/startup/frmAbout.h"

namespace korvex::ui {

void MostrarAyuda(int cual) {
    if (cual == 3) {
        // Modal; its OK unloads it, so each opening starts afresh.
        Registro::Instancia().Ventana<frmAbout>()->exec();
        Registro::Instancia().Descargar<frmAbout>();
    }
}

}  // namespace korvex::ui
