#include "design/Anclaje.h"

#include <algorithm>

#include "design/DatosDiseno.h"

namespace korvex {

LongitudDesarrolloRegla DesarrolloRecto(double fc, double fy, float db, bool superior, double k,
                                        double factorPequena) {
    LongitudDesarrolloRegla r;
    r.barraPequena = db <= kDiametroBarraPequena;
    r.factorUbicacion = superior ? kFactorBarraSuperior : 1.0;
    r.factorTamano = r.barraPequena ? factorPequena : 1.0;
    r.minimo = kDesarrolloMinimo;
    const double raiz = std::min(diseno::RaizSegura(fc), kRaizFcMaximaDesarrollo);
    // A concrete of no strength develops no bar: the expression is left at 0
    // and the minimum governs (the checks refuse f'c <= 0 before a design).
    r.ldExpresion = raiz > 0 ? r.factorUbicacion * r.factorTamano * fy * db / (k * raiz) : 0.0;
    r.ld = std::max(r.ldExpresion, r.minimo);
    return r;
}

}  // namespace korvex
