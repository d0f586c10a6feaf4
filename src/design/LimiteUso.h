// The deflection limits a use category sets on a beam before any
// calculation: what the use dialog shows beside each option.
#pragma once

#include <string>
#include <vector>

#include "model/DatosViga.h"
#include "model/Pasos.h"
#include "model/ReglasDiseno.h"

namespace korvex {

// The zones of the beam of `datos` (left cantilever, span, right cantilever,
// those that exist) with their length and the reference length of their
// limit: the span K - J, a cantilever's as the rules count it. None without
// supports.
std::vector<PasoZonaDeflexion> ZonasReferencia(const DatosViga& datos, const ReglasDiseno& reglas);

// One line per zone of the limit of use category `uso` over its reference
// length, in cm with two decimals: "L/360 = 1.39 cm para el tramo de
// 5.00 m"; a cantilever also names the length the limit is taken over,
// "L/360 = 0.83 cm para el voladizo izquierdo de 1.50 m (luz de referencia
// 3.00 m)". None for no category or a beam without a zone of some length.
std::vector<std::string> TextosLimiteUso(const DatosViga& datos, const ReglasDiseno& reglas,
                                         int uso);

}  // namespace korvex
