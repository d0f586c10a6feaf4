#include "analysis/Analisis_Punto.h"

#include <algorithm>

#include "analysis/AnalizadorViga.h"

namespace korvex {

namespace {

bool Codigo(float v) {
    return v == 1.0f || v == 2.0f || v == 3.0f;
}

// The part of the typed input that the analysis reads, from the state.
DatosViga DatosAnalisis(const EstadoProyecto& e) {
    DatosViga d;
    d.longitud = e.LuzViga;
    d.apoyos = {e.DistJ, e.DistK};
    const int n = std::min<int>(e.NumCargas, static_cast<int>(e.Cargas.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        if (!Codigo(c.Tipo) || !Codigo(c.Categoria)) continue;
        d.cargas.push_back({static_cast<TipoCarga>(static_cast<int>(c.Tipo)),
                            static_cast<CategoriaCarga>(static_cast<int>(c.Categoria)), c.A, c.B,
                            c.C, c.P1, c.P2, c.Fin});
    }
    return d;
}

}  // namespace

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
    const PropiedadesSeccion seccion{e.AreaSeccion, e.InerciaSeccion, e.AnchoRectangulo,
                                     e.ModuloElasticidad};
    GuardarPunto(e, AnalizarPunto(DatosAnalisis(e), seccion, reglas, X));
    e.XAnalisis = X;
    e.Combinacion = 3;
}

}  // namespace korvex
