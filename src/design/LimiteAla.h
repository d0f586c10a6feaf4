// The flange-width limit shown by the section window and by the load window.
#pragma once

#include <optional>

#include "design/Seccion.h"
#include "model/Interfaz.h"

namespace korvex {

// The refusal of a flange (or rectangle) wider than `bfMax` cm, with the limit
// in its plain shortest decimal form.
Mensaje MensajeBfMax(float bfMax);

// The refusal when the width b (cm) typed as b or bf exceeds BfMax(s,
// LuzViga) (equal passes); nothing otherwise. The windows apply it only when
// the project has at least one load.
std::optional<Mensaje> VerificarBfMax(const ReglasDiseno& reglas, const Seccion& s, float b,
                                      float LuzViga);

}  // namespace korvex
