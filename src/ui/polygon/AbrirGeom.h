// "Area y Cg" of the utilities menu: the polygon window, not modal and raised
// above the main window.
#pragma once

namespace korvex::ui {

void MostrarPoligono();

}  // namespace korvex::ui
