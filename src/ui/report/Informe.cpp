// "Imprimir": the report page in its preview window.
#include "ui/main/AccionesArchivo.h"

namespace korvex::ui {

void MostrarInforme(frmGeneral*) {}

}  // namespace korvex::ui
