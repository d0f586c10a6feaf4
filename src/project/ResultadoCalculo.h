// What one calculation returns: the analysis and the design of the beam and
// how the calculation ended, as one value that is never changed once made.
// The document holds the last one; the windows, the reports and the headless
// command read every result from it, and the project state keeps only the
// input.
#pragma once

#include "model/Pasos.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

struct ResultadoCalculo : ResultadoAnalisis, ResultadoDiseno {
    bool calculado = false;      // the calculation ran to its end
    bool rechazado = false;      // the checks refused the data; the previous results stay
    bool disenoFallido = false;  // the design stopped: section insufficient or shear failure
    float DistMinCarga = 0;      // m, smallest distance from a point load to a support

    bool operator==(const ResultadoCalculo&) const = default;
};

// What the windows show of `r` after the load window's reset: the six shear
// and moment extremes cleared (GiroMax and FlechaMax kept).
ResultadoCalculo TrasReiniciarCargas(ResultadoCalculo r);

// What they show after the main window's reset (New): the six shear and
// moment extremes, the four steel areas and the arrangement notice cleared.
ResultadoCalculo TrasReiniciarGeneral(ResultadoCalculo r);

// The deflection the limit check compared, m: lambda FlechaEfectiva for the
// long-term use categories of `reglas`, FlechaEfectiva for the others.
float FlechaLargoPlazo(const ReglasDiseno& reglas, const ResultadoCalculo& r, int uso);

// The governing zone of the deflection check, or nullptr when it has not run.
const PasoZonaDeflexion* ZonaGobernante(const ResultadoCalculo& r);

// The governing zone when the beam has cantilevers (the window and the
// reports name it); nullptr for a beam without them.
const PasoZonaDeflexion* ZonaNombrada(const ResultadoCalculo& r);

// The admissible deflection, m, over the governing zone's reference length,
// or over the beam's length `LuzViga` (m) when the check has not run.
float DeflexionAdmisibleGobernante(const ReglasDiseno& reglas, const ResultadoCalculo& r,
                                   float LuzViga, int uso);

}  // namespace korvex
