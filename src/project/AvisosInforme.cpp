#include "project/AvisosInforme.h"

#include "analysis/Alternancia.h"

namespace korvex {

std::string AvisoAlternanciaInforme(const Proyecto& p, const ResultadoCalculo& r) {
    if (p.estado.AlternanciaViva || r.AvisoAlternancia.empty()) return {};
    // The finding, without the call to the user of the windows.
    std::string t = r.AvisoAlternancia;
    const std::string llamada = kLlamadaAlternancia;
    if (t.ends_with(llamada)) t.erase(t.size() - llamada.size());
    return t + " El diseño no considera la alternancia de la carga viva.";
}

}  // namespace korvex
