#include "ui/report/Imprimir.h"

#include "ui/common/Registro.h"
#include "ui/report/frmpreview.h"

namespace korvex::ui {

void MostrarInforme() {
    frmpreview* v = Registro::Instancia().Ventana<frmpreview>();
    v->Form_Load();
    v->show();
    v->raise();
    v->activateWindow();
    v->Print_btn_Click();
}

}  // namespace korvex::ui
