// The steps of the undo history of an open project: what one change of the
// project's data was called ("Borrar carga 3", "Cambiar f'c") and how a
// project is put back to the data of another moment.
//
// A step is told by comparing the project's data (what the file keeps and
// the deflection-use category) before and after it. The load table names
// the step when it changed; otherwise the first changed item in the order
// of the main window (materials, section, beam and supports, options, use).
#pragma once

#include <string>

#include "project/Cambios.h"
#include "project/Proyecto.h"

namespace korvex {

struct PasoHistorial {
    std::string nombre;  // Spanish, as the Edit menu shows it
    // One typed field changed (f'c, cover, length...): the keystrokes of one
    // visit to the field make a single step.
    bool campo = false;
};

// The step that takes the data `antes` to `despues` (an empty name when they
// are equal).
PasoHistorial NombrarPaso(const DatosCalculados& antes, const DatosCalculados& despues);

// `p` takes the data and window state of `foto` (as an undo or redo brings
// them back); the effective depth and the values of the point query, which
// belong to the last calculation, stay as they are.
void RestaurarDatos(Proyecto& p, const Proyecto& foto);

}  // namespace korvex
