// Small builders of beams for the analysis tests.
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

inline Carga Puntual(float a, float P, float categoria = kOtros) {
    Carga c;
    c.A = a;
    c.Fin = a;
    c.P1 = P;
    c.Tipo = kPuntual;
    c.Categoria = categoria;
    return c;
}

inline Carga Momento(float a, float M0, float categoria = kOtros) {
    Carga c = Puntual(a, M0, categoria);
    c.Tipo = kMomento;
    return c;
}

inline Carga Distribuida(float a, float b, float P1, float P2, float categoria = kOtros) {
    Carga c;
    c.A = a;
    c.B = b;
    c.Fin = a + b;
    c.P1 = P1;
    c.P2 = P2;
    c.Tipo = kDistribuida;
    c.Categoria = categoria;
    return c;
}

inline void Agregar(EstadoProyecto& e, const Carga& c) {
    AgregarCarga(e, c);
    e.Cargas[e.NumCargas].C = e.LuzViga - c.A - c.B;
}

}  // namespace korvex::prueba
