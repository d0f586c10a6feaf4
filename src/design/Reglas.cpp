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
    std::string_view nombreCorto;
    const ReglasDiseno& (*reglas)();
};

// One line per set of rules.
constexpr Registro kRegistro[] = {
    {kReglasClasicas, "Clásica", ReglasClasicasDiseno},
    {kReglasAci318, "ACI 318-19", ReglasAci318Diseno},
};

const Registro& RegistroDe(std::string_view clave) {
    for (const Registro& r : kRegistro) {
        if (r.clave == clave) return r;
    }
    throw std::invalid_argument("Reglas de diseño desconocidas: " + std::string(clave));
}

}  // namespace

const ReglasDiseno& ReglasPorClave(std::string_view clave) {
    return RegistroDe(clave).reglas();
}

bool ReglasConocidas(std::string_view clave) {
    for (const Registro& r : kRegistro) {
        if (r.clave == clave) return true;
    }
    return false;
}

const ReglasDiseno& ReglasDe(const DatosViga& datos) {
    return ReglasPorClave(datos.opciones.norma);
}

std::string_view NombreCortoReglas(std::string_view clave) {
    return RegistroDe(clave).nombreCorto;
}

std::vector<std::string_view> ClavesReglas() {
    std::vector<std::string_view> claves;
    for (const Registro& r : kRegistro) claves.push_back(r.clave);
    return claves;
}

}  // namespace korvex
