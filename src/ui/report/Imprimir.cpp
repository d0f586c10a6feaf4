#include "ui/report/Imprimir.h"

#include "ui/common/Registro.h"
#include "ui/report/frmpreview.h"

namespace korvex::ui {

void MostrarInforme(Documento& documento) {
    frmpreview* v = Registro::Instancia().Ventana<frmpreview>(documento);
    v->Form_Load();
    v->show();
    v->raise();
    v->activateWindow();
}

}  // namespace korvex::ui
