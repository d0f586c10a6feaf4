// Constructors of the blocks of "Criterios de diseño" that each set of rules
// writes (design/ReglasClasicas.cpp, design/ReglasAci318Criterios.cpp).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/ReglasDiseno.h"

namespace korvex::criterios {

inline constexpr const char* kKgCm2 = "Kgr/cm^{2}";

inline BloqueCriterio Apartado(std::string t) {
    return {BloqueCriterio::Tipo::Apartado, std::move(t), {}, {}};
}
inline BloqueCriterio Parrafo(std::string t) {
    return {BloqueCriterio::Tipo::Texto, std::move(t), {}, {}};
}
inline BloqueCriterio Nota(std::string t) {
    return {BloqueCriterio::Tipo::Nota, std::move(t), {}, {}};
}
inline BloqueCriterio Tabla(std::vector<std::string> encabezado,
                            std::vector<std::vector<std::string>> filas) {
    return {BloqueCriterio::Tipo::Tabla, {}, std::move(encabezado), std::move(filas)};
}
// A table of rules: the rule and its expression.
inline BloqueCriterio Reglas(std::vector<std::vector<std::string>> filas) {
    return Tabla({"Regla", "Expresión"}, std::move(filas));
}

}  // namespace korvex::criterios
