// Stirrup zones along the beam from the factored shear at every station.
// Abscissas in m, shears in Tn (stations) and Kgr (design), spacings in cm.
//
// Each station needs the spacing that the single-spacing design would give
// for its own shear (the same Vc, stirrup, bands, limits and rounding to
// whole cm). Going from each support towards the least-loaded point of the
// span (or towards the free end of a cantilever), the spacing never grows
// back where the shear grows again: a station takes the smallest spacing
// needed between it and that point. The spacings are then held to at most
// three: the one at the support, the one the next shear band needs at its
// upper limit (when the support lies above it), and that of the minimum
// stirrups; the stations where the rules need no stirrups take the minimum
// stirrups at their largest spacing. The first stirrup stands 5 cm from the
// support (its abscissa, supports being points), each zone runs on until its
// last stirrup reaches the last station that needs its spacing, and the
// middle of the span takes the larger spacing left over between the zones
// of its two supports.
#pragma once

#include <vector>

#include "model/DatosViga.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Distance of the first stirrup from the face of a support, m.
inline constexpr double kPrimerEstribo = 0.05;

// The factored |V| at station i (1..NumEstaciones), Tn: the larger of the
// envelope's two bounds when the design takes the envelope, else the
// diagram's.
float CortanteEstacion(const ResultadoAnalisis& a, int i);

// The spacing, cm before truncation, that a factored shear Vu (Kgr) needs
// with the concrete shear, stirrup, web and depth of the shear step `x`.
float SeparacionRequerida(const ReglasDiseno& reglas, const PasoCortante& x, float Vu);

// The stirrup zones of the beam, left to right, from the shear step of `r`
// (empty when it chose no stirrups: no stirrups needed, or a failure).
std::vector<ZonaEstribos> CalcularZonasEstribos(const ResultadoDiseno& r,
                                                const ResultadoAnalisis& a, const DatosViga& datos,
                                                const ReglasDiseno& reglas);

}  // namespace korvex
