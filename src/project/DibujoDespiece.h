// The drawing of the bars of a beam, in cm: the elevation with every bar of
// the schedule at its height, its cut-offs and its mark, the stirrup zones,
// and the cross-sections at the largest M(+) and M(-) with their bars. The
// window, the report and the DXF file all draw this one drawing.
#pragma once

#include "model/DatosViga.h"
#include "model/Dibujo.h"
#include "model/Resultados.h"

namespace korvex {

// The drawing of the design `r` of the beam `datos`; empty (no layers) when
// the design has no bar schedule.
Dibujo DibujoDespiece(const DatosViga& datos, const ResultadoAnalisis& a, const ResultadoDiseno& r);

}  // namespace korvex
