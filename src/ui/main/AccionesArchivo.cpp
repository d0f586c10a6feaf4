// Default bodies of the file, report, help and utility commands: they do
// nothing until those windows are in place, except opening a named project.
#include "ui/main/AccionesArchivo.h"

#include "ui/main/frmGeneral.h"

namespace korvex::ui {

void ConectarArchivo(frmGeneral*) {}

void MostrarInforme(frmGeneral*) {}

void MostrarAyuda(int) {}

void MostrarPoligono() {}

bool AbrirProyecto(frmGeneral* general, const QString& archivo) {
    return general != nullptr && general->AbrirArchivo(archivo);
}

}  // namespace korvex::ui
