#include "analysis/Analisis_Punto.h"

#include "analysis/AnalizadorViga.h"

namespace korvex {

float Macaulay(float u) {
    return u > 0 ? u : 0.0f;
}

int Escalon(float u, int combinacion) {
    if (u < 0) return 0;
    if (u > 0) return 1;
    return combinacion == 1 ? 1 : 0;
}

void Analisis_Punto(EstadoProyecto& e, float X) {
    const ResultadoPunto r = AnalizadorViga(e).Evaluar(X);
    e.XAnalisis = X;
    e.CortanteDer = r.CortanteDer;
    e.MomentoDer = r.MomentoDer;
    e.CortanteIzq = r.CortanteIzq;
    e.MomentoIzq = r.MomentoIzq;
    e.MomentoServicio = r.MomentoServicio;
    e.Giro = r.Giro;
    e.Flecha = r.Flecha;
    e.Combinacion = 3;
}

}  // namespace korvex
