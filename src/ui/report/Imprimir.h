// "Imprimir" of the main window: the preview of the report page with the
// document's project, then the page printed on the printer the user chooses
// (the preview stays open, so the page can also be saved as PDF).
#pragma once

namespace korvex {
class Documento;
}

namespace korvex::ui {

void MostrarInforme(Documento& documento);

}  // namespace korvex::ui
