// Checks of the section and material data that the design divides by.
#pragma once

#include <vector>

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/Interfaz.h"

namespace korvex {

// The refusals (style 16) for f'c, fy or cover not above 0, an unknown
// section type, a width or height of the section not above 0, and an
// effective depth d (cm) not above 0. `recubrimiento` is the cover in cm;
// the width of a rectangle is also checked as its geometry read it.
std::vector<Mensaje> VerificarDatosDiseno(const Seccion& s, const DatosViga& datos,
                                          const PropiedadesSeccion& propiedades,
                                          float recubrimiento, float d);

}  // namespace korvex
