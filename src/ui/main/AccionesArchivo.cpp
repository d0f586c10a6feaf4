// Default bodies of the file, report, help and utility commands: they do
// nothing until those windows are in place.
#include "ui/main/AccionesArchivo.h"

namespace korvex::ui {

void ConectarArchivo(frmGeneral*) {}

void MostrarInforme(frmGeneral*) {}

void MostrarAyuda(int) {}

void MostrarPoligono() {}

bool AbrirProyecto(frmGeneral*, const QString&) {
    return false;
}

}  // namespace korvex::ui
