// The diagrams of the sustained load, for rules whose deflection limits judge
// the live-load and the long-term deflection apart.
#pragma once

#include <vector>

#include "analysis/AnalizadorViga.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// DiagMomentoPermanente and DiagFlechaPermanente of `r` at the abscissas `X`
// (station k = i + 1 of X[i], as the other diagrams) under the permanent
// combination of `reglas`, by one sweep of the whole beam `viga`; the
// live-load arrangements do not apply to it. Left empty when the rules have
// no permanent combination.
void BarrerPermanente(ResultadoAnalisis& r, const AnalizadorViga& viga,
                      const ReglasDiseno& reglas, const std::vector<float>& X);

}  // namespace korvex
