// What one calculation returns: the analysis and the design of the beam and
// how the calculation ended, as one value that is never changed once made.
// The document holds the last one; the windows, the reports and the headless
// command read every result from it, and the project state keeps only the
// input.
#pragma once

#include <string>

#include "model/Resultados.h"

namespace korvex {

struct ResultadoCalculo : ResultadoAnalisis, ResultadoDiseno {
    bool calculado = false;         // the calculation ran to its end
    bool rechazado = false;         // the checks refused the data; the previous results stay
    bool disenoFallido = false;     // the design stopped: section insufficient or shear failure
    float DistMinCarga = 0;         // m, smallest distance from a point load to a support
    std::string norma = "clasica";  // key of the design rules it was calculated with

    bool operator==(const ResultadoCalculo&) const = default;
};

// What the windows show of `r` after the load window's reset: the six shear
// and moment extremes cleared (GiroMax and FlechaMax kept).
ResultadoCalculo TrasReiniciarCargas(ResultadoCalculo r);

// What they show after the main window's reset (New): the six shear and
// moment extremes, the four steel areas and the arrangement notice cleared.
ResultadoCalculo TrasReiniciarGeneral(ResultadoCalculo r);

}  // namespace korvex
