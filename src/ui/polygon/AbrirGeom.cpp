// "Area y Cg" of the utilities menu: the polygon window.
#include "ui/main/AccionesArchivo.h"

namespace korvex::ui {

void MostrarPoligono() {}

}  // namespace korvex::ui
