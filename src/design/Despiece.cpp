#include "design/Despiece.h"

namespace korvex {

// Placeholder until the cut-off rules land.
DespieceViga CalcularDespiece(const ResultadoDiseno&, const ResultadoAnalisis&, const DatosViga&,
                              const Seccion&, const PropiedadesSeccion&, const ReglasDiseno&) {
    return {};
}

}  // namespace korvex
