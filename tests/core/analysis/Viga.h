// Small builders of beams and loads for the analysis and workflow tests.
#pragma once

#include "model/Estado.h"

namespace korvex::prueba {

inline EstadoProyecto Viga(float L, float J, float K, float area = 0, float E = 1, float I = 1) {
    EstadoProyecto e;
    e.LuzViga = L;
    e.DistJ = J;
    e.DistK = K;
    e.AreaSeccion = area;
    e.ModuloElasticidad = E;
    e.InerciaSeccion = I;
    return e;
}

inline Carga Puntual(float a, float P, float cat = kOtros) {
    return {a, 0, 0, P, 0, a, kPuntual, cat};
}
inline Carga Momento(float a, float M0, float cat = kOtros) {
    return {a, 0, 0, M0, 0, a, kMomento, cat};
}
inline Carga Distribuida(float a, float b, float P1, float P2, float cat = kOtros) {
    return {a, b, 0, P1, P2, a + b, kDistribuida, cat};
}

// Appends a load with C = L - a - b, as the load window stores it.
inline void Agregar(EstadoProyecto& e, Carga c) {
    c.C = e.LuzViga - c.A - c.B;
    AgregarCarga(e, c);
}

}  // namespace korvex::prueba
