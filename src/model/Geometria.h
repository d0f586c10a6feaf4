// A change of the beam's length or supports with its loads in place: the
// loads keep their abscissas, so the new beam must still carry every one of
// them and hold both supports.
#pragma once

#include <optional>

#include "model/Estado.h"
#include "model/Interfaz.h"

namespace korvex {

// Length and supports of a beam, m from the left end.
struct GeometriaViga {
    float L = 0;  // total length
    float J = 0;  // first support
    float K = 0;  // second support

    bool operator==(const GeometriaViga&) const = default;
};

// The beam as `e` holds it.
GeometriaViga GeometriaDe(const EstadoProyecto& e);

// Why `g` cannot carry the loads 1..NumCargas of `e`, or nothing when it can:
// a length not above 0; the supports not 0 <= J < K <= L; else the first
// load that would lie beyond the new end: a point load or a moment by its
// abscissa (one at the very end stays on the beam), a distributed load by
// its end a + b. Distances are compared to 0.1 mm, below the centimetre the
// length is truncated to, so that a load typed to end at L still fits.
std::optional<Mensaje> GeometriaRechazada(const EstadoProyecto& e, const GeometriaViga& g);

// `g` becomes the beam of `e`; each load keeps a and b, and its distance C
// from its end to the right end of the beam follows the new length.
void FijarGeometria(EstadoProyecto& e, const GeometriaViga& g);

}  // namespace korvex
