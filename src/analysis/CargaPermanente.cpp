#include "analysis/CargaPermanente.h"

#include <optional>

#include "analysis/Barrido.h"

namespace korvex {

void BarrerPermanente(ResultadoAnalisis& r, const AnalizadorViga& viga,
                      const ReglasDiseno& reglas, const std::vector<float>& X) {
    const std::optional<CombinacionCargas> permanente = reglas.CombinacionPermanente();
    if (!permanente) return;
    const AnalizadorViga sostenida = viga.ConServicio(*permanente);
    const std::size_t n = r.DiagX.size();
    r.DiagMomentoPermanente.assign(n, 0.0f);
    r.DiagFlechaPermanente.assign(n, 0.0f);
    // The service values of the sweep (moment 2, deflection x inertia 4) are
    // those of the permanent combination; its factored values are not used.
    BarrerPartes(
        {&sostenida}, X,
        [&](std::size_t i, const double* v) {
            if (i + 1 >= n) return;
            r.DiagMomentoPermanente[i + 1] = -static_cast<float>(v[2]);
            r.DiagFlechaPermanente[i + 1] = static_cast<float>(v[4]);
        },
        0);
}

}  // namespace korvex
