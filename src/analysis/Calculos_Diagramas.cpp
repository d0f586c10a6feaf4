#include "analysis/Calculos_Diagramas.h"

#include <algorithm>
#include <cmath>

#include "analysis/Analisis_Punto.h"
#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"

namespace korvex {

namespace {

// Stations of the longest beam accepted (kLuzMaxima), with room to spare.
constexpr std::size_t kMaxEstaciones = 40000;

// Replaces `extremo` (and its abscissa) when `valor` lies strictly beyond it.
inline void Mayor(float valor, float& extremo, float& posicion, float x) {
    if (valor > extremo) {
        extremo = valor;
        posicion = x;
    }
}
inline void Menor(float valor, float& extremo, float& posicion, float x) {
    if (valor < extremo) {
        extremo = valor;
        posicion = x;
    }
}
inline void MayorAbs(float valor, float& extremo, float& posicion, float x) {
    if (std::fabs(valor) > std::fabs(extremo)) {
        extremo = std::fabs(valor);
        posicion = x;
    }
}

}  // namespace

void ExtremosDiagramas::Agregar(float V, float M, float giro, float flecha, float abscisa) {
    MayorAbs(V, CortanteMaxAbs, x.CortanteMaxAbs, abscisa);
    Menor(V, CortanteMax, x.CortanteMax, abscisa);
    Mayor(V, CortanteMin, x.CortanteMin, abscisa);
    Menor(M, MomentoPosMax, x.MomentoPosMax, abscisa);
    Mayor(M, MomentoNegMax, x.MomentoNegMax, abscisa);
    MayorAbs(M, MomentoMaxAbs, x.MomentoMaxAbs, abscisa);
    MayorAbs(giro, GiroMax, x.GiroMax, abscisa);
    MayorAbs(flecha, FlechaMax, x.FlechaMax, abscisa);
}

void ExtremosDiagramas::SignoMostrado() {
    // Adding 0 keeps a zero extreme from becoming -0.
    CortanteMax = -CortanteMax + 0.0f;
    CortanteMin = -CortanteMin + 0.0f;
    MomentoPosMax = -MomentoPosMax + 0.0f;
    MomentoNegMax = -MomentoNegMax + 0.0f;
}

ExtremosDiagramas LeerExtremos(const EstadoProyecto& e) {
    return {e.CortanteMaxAbs, e.CortanteMax, e.CortanteMin, e.MomentoPosMax, e.MomentoNegMax,
            e.MomentoMaxAbs,  e.GiroMax,     e.FlechaMax,   e.Posiciones};
}

void GuardarExtremos(EstadoProyecto& e, const ExtremosDiagramas& x) {
    e.CortanteMaxAbs = x.CortanteMaxAbs;
    e.CortanteMax = x.CortanteMax;
    e.CortanteMin = x.CortanteMin;
    e.MomentoPosMax = x.MomentoPosMax;
    e.MomentoNegMax = x.MomentoNegMax;
    e.MomentoMaxAbs = x.MomentoMaxAbs;
    e.GiroMax = x.GiroMax;
    e.FlechaMax = x.FlechaMax;
    e.Posiciones = x.x;
}

void Calculos_Diagramas(EstadoProyecto& e, const std::function<void(int)>& progreso) {
    const float L = e.LuzViga;
    // Stations from 0 in Single steps of 0.01 m while x <= L, and one sweep
    // along the beam for all of them.
    const AnalizadorViga viga(e);
    const std::vector<float> X = AbscisasEstaciones(L, kMaxEstaciones);
    const Estaciones valores = Barrer(viga, X);
    e.Pasos.reacciones = viga.Reacciones();

    // Allocation: n = L * 100 + 1 in single precision, rounded half to even.
    // Beyond about 160 m the Single abscissas fall behind 0.01 k and the
    // beam holds a few stations more than n: the arrays then take them all,
    // so that the diagrams reach the right end of the beam.
    const float total = L * 100.0f + 1.0f;
    const long n = std::max({1L, std::lrint(total), static_cast<long>(X.size())});
    for (auto* v : {&e.DiagCortante, &e.DiagMomento, &e.DiagGiro, &e.DiagFlecha,
                    &e.DiagMomentoServicio, &e.DiagX}) {
        v->assign(static_cast<size_t>(n) + 1, 0.0f);
    }

    // The extremes accumulate on top of what the caller left (normally 0).
    ExtremosDiagramas extremos = LeerExtremos(e);
    int barra = 20;
    int k = 0;
    for (std::size_t i = 0; i < X.size(); ++i) {
        const float x = X[i];
        // Progress: 30, 40, 50 past a quarter, a half and three quarters.
        const float hechas = static_cast<float>(k);
        const int nueva = hechas > 3 * total / 4 ? 50
                          : hechas > total / 2   ? 40
                          : hechas > total / 4   ? 30
                                                 : barra;
        if (nueva != barra) {
            barra = nueva;
            if (progreso) progreso(barra);
        }

        const float V = static_cast<float>(valores.CortanteIzq[i]);
        const float M = static_cast<float>(valores.MomentoIzq[i]);
        const float Ms = static_cast<float>(valores.MomentoServicio[i]);
        const float giro = static_cast<float>(valores.Giro[i]);
        const float flecha = static_cast<float>(valores.Flecha[i]);

        extremos.Agregar(V, M, giro, flecha, x);

        ++k;
        e.DiagCortante[k] = -V;
        e.DiagMomento[k] = M;
        e.DiagGiro[k] = giro;
        e.DiagFlecha[k] = flecha;
        e.DiagMomentoServicio[k] = -Ms;
        e.DiagX[k] = x;
    }
    // The point values are those of the last station; XAnalisis is left at
    // the first abscissa beyond the beam, where the station loop stops.
    if (!X.empty()) GuardarPunto(e, viga.Evaluar(X.back()));
    e.XAnalisis = X.empty() ? 0.0f : SiguienteEstacion(X.back());
    e.Combinacion = 3;
    e.NumEstaciones = k;

    extremos.SignoMostrado();
    GuardarExtremos(e, extremos);
}

}  // namespace korvex
