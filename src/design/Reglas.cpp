#include "design/Reglas.h"

#include <stdexcept>
#include <string>

namespace korvex {

// Each set of rules gives its one instance from its own file.
const ReglasDiseno& ReglasClasicasDiseno();  // design/ReglasClasicas.cpp
const ReglasDiseno& ReglasAci318Diseno();    // design/ReglasAci318.cpp

namespace {

struct Registro {
    std::string_view clave;
    const ReglasDiseno& (*reglas)();
};

// One line per set of rules.
constexpr Registro kRegistro[] = {
    {kReglasClasicas, ReglasClasicasDiseno},
    {kReglasAci318, ReglasAci318Diseno},
};

}  // namespace

const ReglasDiseno& ReglasPorClave(std::string_view clave) {
    for (const Registro& r : kRegistro) {
        if (r.clave == clave) return r.reglas();
    }
    throw std::invalid_argument("Reglas de diseño desconocidas: " + std::string(clave));
}

std::vector<std::string_view> ClavesReglas() {
    std::vector<std::string_view> claves;
    for (const Registro& r : kRegistro) claves.push_back(r.clave);
    return claves;
}

}  // namespace korvex
