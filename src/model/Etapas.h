// The stages a calculation passes, in order. The sampling of the diagrams
// reports the three along the beam; the calculation workflow the others. A
// window shows them as it likes (the main window's progress bar).
#pragma once

#include <functional>

namespace korvex {

enum class EtapaCalculo {
    Limpio,             // results cleared and the concrete modulus set
    CuartoDeViga,       // the sampling has passed a quarter of the beam
    MitadDeViga,        // ... half of it
    TresCuartosDeViga,  // ... three quarters of it
    Diagramas,          // the diagrams and their extremes are ready
    Peralte,            // cover and effective depth set
    Diseno,             // the design has run: steel, stirrups, bars, deflection
    Resultados,         // the results are complete
    Fin                 // the calculation ended (also when it did not run)
};
using Progreso = std::function<void(EtapaCalculo)>;

}  // namespace korvex
