#include "project/ResultadoCalculo.h"

#include "design/Deflexion.h"

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

float FlechaLargoPlazo(const ReglasDiseno& reglas, const ResultadoCalculo& r, int uso) {
    if (!reglas.UsoLargoPlazo(uso)) return r.FlechaEfectiva;
    return r.LambdaDeflexion * r.FlechaEfectiva;
}

const PasoZonaDeflexion* ZonaGobernante(const ResultadoCalculo& r) {
    const PasoDeflexion& x = r.Pasos.deflexion;
    if (x.gobierna < 0 || x.gobierna >= static_cast<int>(x.zonas.size())) return nullptr;
    return &x.zonas[static_cast<std::size_t>(x.gobierna)];
}

const PasoZonaDeflexion* ZonaNombrada(const ResultadoCalculo& r) {
    return r.Pasos.deflexion.zonas.size() > 1 ? ZonaGobernante(r) : nullptr;
}

float DeflexionAdmisibleGobernante(const ReglasDiseno& reglas, const ResultadoCalculo& r,
                                   float LuzViga, int uso) {
    const PasoZonaDeflexion* g = ZonaGobernante(r);
    return DeflexionAdmisible(reglas, g ? g->luzReferencia : LuzViga, uso);
}

}  // namespace korvex
