// "Imprimir" of the main window: the preview of the report page with the
// document's project. The printer dialog opens only when the preview's
// "Imprime" is pressed; the page can also be zoomed and saved as PDF.
#pragma once

namespace korvex {
class Documento;
}

namespace korvex::ui {

void MostrarInforme(Documento& documento);

}  // namespace korvex::ui
