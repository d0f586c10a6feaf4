#include "project/ResultadoCalculo.h"

#include <utility>

namespace korvex {

ResultadoCalculo TrasReiniciarCargas(ResultadoCalculo r) {
    r.CortanteMaxAbs = 0;
    r.CortanteMax = 0;
    r.CortanteMin = 0;
    r.MomentoNegMax = 0;
    r.MomentoPosMax = 0;
    r.MomentoMaxAbs = 0;
    return r;
}

ResultadoCalculo TrasReiniciarGeneral(ResultadoCalculo r) {
    r = TrasReiniciarCargas(std::move(r));
    r.AsTraccionPos = 0;
    r.AsCompresionPos = 0;
    r.AsTraccionNeg = 0;
    r.AsCompresionNeg = 0;
    r.AvisoAlternancia.clear();
    return r;
}

}  // namespace korvex
