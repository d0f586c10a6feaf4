// "Imprimir": the preview of the report page with the current data, then
// the page printed on the printer the user chooses (the preview stays open,
// so the page can also be saved as PDF).
#include "ui/common/Registro.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/report/frmpreview.h"

namespace korvex::ui {

void MostrarInforme(frmGeneral*) {
    frmpreview* v = Registro::Instancia().Ventana<frmpreview>();
    v->Form_Load();
    v->show();
    v->raise();
    v->activateWindow();
    v->Print_btn_Click();
}

}  // namespace korvex::ui
