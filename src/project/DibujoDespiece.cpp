#include "project/DibujoDespiece.h"

namespace korvex {

// Placeholder until the composition of the drawing lands.
Dibujo DibujoDespiece(const DatosViga&, const ResultadoAnalisis&, const ResultadoDiseno&) {
    return {};
}

}  // namespace korvex
