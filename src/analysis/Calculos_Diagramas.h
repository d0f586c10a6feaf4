// Sampling of the analysis along the beam every centimetre.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Estado.h"
#include "model/Interfaz.h"

namespace korvex {

// Longest beam accepted by a calculation, m (a 16-bit station count).
inline constexpr float kLuzMaxima = 327.67f;

// Fills the five station arrays (and DiagX), NumEstaciones, the eight
// extremes (on top of the values the caller left, normally 0) and their
// abscissas. `progreso`, when given, receives 30, 40 and 50 as the sampling
// passes a quarter, a half and three quarters of the beam.
void Calculos_Diagramas(EstadoProyecto& e, const std::function<void(int)>& progreso = {});

// Checks the beam and its loads before a calculation: supports 0 <= J < K <= L,
// L > 0 and not beyond kLuzMaxima, every load inside the beam, no distributed
// load with b <= 0 and P1 != P2, finite numbers. Returns the refusals
// (style 16); empty when the analysis can run.
std::vector<Mensaje> VerificarViga(const EstadoProyecto& e);

}  // namespace korvex
