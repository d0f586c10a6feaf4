#include "analysis/Analisis_Punto.h"

#include "analysis/AnalizadorViga.h"

namespace korvex {

int Escalon(float u, int combinacion) {
    if (u < 0) return 0;
    if (u > 0) return 1;
    return combinacion == 1 ? 1 : 0;
}

void GuardarPunto(EstadoProyecto& e, const ResultadoPunto& r) {
    e.CortanteDer = r.CortanteDer;
    e.MomentoDer = r.MomentoDer;
    e.CortanteIzq = r.CortanteIzq;
    e.MomentoIzq = r.MomentoIzq;
    e.MomentoServicio = r.MomentoServicio;
    e.Giro = r.Giro;
    e.Flecha = r.Flecha;
}

void Analisis_Punto(EstadoProyecto& e, const ReglasDiseno& reglas, float X) {
    GuardarPunto(e, AnalizadorViga(e, reglas).Evaluar(X));
    e.XAnalisis = X;
    e.Combinacion = 3;
}

}  // namespace korvex
