// The registry of the sets of design rules. Each set lives in a file of its
// own (design/ReglasClasicas.cpp, design/ReglasAci318.cpp) and is registered by its key in
// design/Reglas.cpp.
#pragma once

#include <string_view>
#include <vector>

#include "model/DatosViga.h"
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

// Whether `clave` is a registered key.
bool ReglasConocidas(std::string_view clave);

// The rules the beam is designed with: those of its options' key. The
// project file and the command line refuse an unknown key, so none reaches
// here; one that did would throw std::invalid_argument, never fall back.
const ReglasDiseno& ReglasDe(const DatosViga& datos);

// The short name of the rules of `clave` for captions and reports
// ("Clásica", "ACI 318-19"); std::invalid_argument for an unknown key.
std::string_view NombreCortoReglas(std::string_view clave);

}  // namespace korvex
