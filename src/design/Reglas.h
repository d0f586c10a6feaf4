// The registry of the sets of design rules. Each set lives in a file of its
// own (design/ReglasClasicas.cpp, design/ReglasAci318.cpp) and is registered by its key in
// design/Reglas.cpp.
#pragma once

#include <string_view>
#include <vector>

#include "model/ReglasDiseno.h"

namespace korvex {

// The key of the program's classic rules (ACI 318-99, 1.4 D + 1.7 L).
inline constexpr std::string_view kReglasClasicas = "clasica";
// The key of the rules of ACI 318-19 (1.2 D + 1.6 L).
inline constexpr std::string_view kReglasAci318 = "aci318-19";

// The rules registered under `clave`; std::invalid_argument for an unknown key.
const ReglasDiseno& ReglasPorClave(std::string_view clave);

// The keys registered, in the order of registration.
std::vector<std::string_view> ClavesReglas();

}  // namespace korvex
