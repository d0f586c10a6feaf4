// The report texts of the sets of rules that are kept apart from their
// numbers (design/ReglasClasicas.cpp, design/ReglasAci318.cpp).
#pragma once

#include <vector>

#include "model/ReglasDiseno.h"

namespace korvex {

// The formula, substitution template and clause of rule `r` under ACI 318-19.
TextoRegla TextoAci318(Regla r);

// The part "Criterios de diseño" of the calculation report under ACI 318-19.
std::vector<BloqueCriterio> CriteriosAci318();

// How the stirrup zones are laid along the beam, in words.
inline constexpr const char* kTextoZonasEstribos =
    "Estribos por zonas: junto a cada apoyo la separación que pide el cortante allí, luego la "
    "de la banda siguiente y al centro el estribo mínimo a su separación máxima; el primer "
    "estribo a 5 cm de la cara del apoyo (el eje del apoyo).";

// The part "Criterios de diseño" under the classic rules.
std::vector<BloqueCriterio> CriteriosClasicos();

}  // namespace korvex
