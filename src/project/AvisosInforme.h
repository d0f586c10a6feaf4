// Notices of a calculation in the wording of the printed reports (the
// calculation report and the one-page report), which speak of the design
// and never of the windows.
#pragma once

#include <string>

#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

namespace korvex {

// The live-load arrangement notice of a design made without the
// arrangements: the values an arrangement makes worse than the design's, as
// the screen notice of the result `r` finds them (AvisoAlternancia), followed
// by "El diseño no considera la alternancia de la carga viva." instead of
// the screen's call to turn the option on. Empty when the option is on in
// the project `p` or no arrangement governs.
std::string AvisoAlternanciaInforme(const Proyecto& p, const ResultadoCalculo& r);

}  // namespace korvex
