// Where the bars of each face start and stop: the bars that run from end to
// end, the bars cut where the others resist the demand (extended by the
// rules of anchorage), the hangers and compression bars, the closed stirrups
// and phi Mn of the bars present at every station.
//
// Units as in model/DespieceResultado.h.
#pragma once

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/DespieceResultado.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// The bar schedule of the finished design `r` (its arrangement and stirrup
// zones) over the analysis `a`; empty when the design failed or a face that
// needs steel has no accepted arrangement.
DespieceViga CalcularDespiece(const ResultadoDiseno& r, const ResultadoAnalisis& a,
                              const DatosViga& datos, const Seccion& s,
                              const PropiedadesSeccion& propiedades, const ReglasDiseno& reglas);

}  // namespace korvex
