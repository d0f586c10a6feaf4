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

ResultadoPunto AnalizarPunto(const DatosViga& datos, const PropiedadesSeccion& seccion,
                             const ReglasDiseno& reglas, float X) {
    return AnalizadorViga(datos, seccion, reglas).Evaluar(X);
}

void Analisis_Punto(EstadoProyecto& e, const ReglasDiseno& reglas, float X) {
    GuardarPunto(e, AnalizarPunto(VigaDe(e), PropiedadesDe(e), reglas, X));
    e.XAnalisis = X;
    e.Combinacion = 3;
}

}  // namespace korvex
