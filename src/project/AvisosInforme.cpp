#include "project/AvisosInforme.h"

namespace korvex {

std::string AvisoAlternanciaInforme(const EstadoProyecto& e) {
    if (e.AlternanciaViva || e.AvisoAlternancia.empty()) return {};
    // The finding ends with the last value's "(diseño: ...)."; what follows
    // it is addressed to the user of the windows.
    std::string t = e.AvisoAlternancia;
    const std::size_t ultimo = t.rfind("(diseño: ");
    const std::size_t fin = ultimo == std::string::npos ? t.npos : t.find(").", ultimo);
    if (fin != std::string::npos) t.erase(fin + 2);
    return t + " El diseño no considera la alternancia de la carga viva.";
}

}  // namespace korvex
