#include "analysis/Calculos_Diagramas.h"

#include <cmath>

#include "analysis/AnalizadorViga.h"

namespace korvex {

namespace {

constexpr float kPaso = 0.01f;  // m, one station per centimetre

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

void Calculos_Diagramas(EstadoProyecto& e, const std::function<void(int)>& progreso) {
    const float L = e.LuzViga;
    // Allocation: n = L * 100 + 1 in single precision, rounded half to even.
    const float total = L * 100.0f + 1.0f;
    const long n = std::max(1L, std::lrint(total));
    for (auto* v : {&e.DiagCortante, &e.DiagMomento, &e.DiagGiro, &e.DiagFlecha,
                    &e.DiagMomentoServicio, &e.DiagX}) {
        v->assign(static_cast<size_t>(n) + 1, 0.0f);
    }

    const AnalizadorViga viga(e);
    PosicionExtremos& p = e.Posiciones;
    int barra = 20;
    int k = 0;
    float X = 0;
    for (; X <= L; X += kPaso) {
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

        const ResultadoPunto r = viga.Evaluar(X);

        // Extremes in the analysis sign; the four signed ones are turned into
        // the displayed sign after the loop.
        MayorAbs(r.CortanteIzq, e.CortanteMaxAbs, p.CortanteMaxAbs, X);
        Menor(r.CortanteIzq, e.CortanteMax, p.CortanteMax, X);
        Mayor(r.CortanteIzq, e.CortanteMin, p.CortanteMin, X);
        Menor(r.MomentoIzq, e.MomentoPosMax, p.MomentoPosMax, X);
        Mayor(r.MomentoIzq, e.MomentoNegMax, p.MomentoNegMax, X);
        MayorAbs(r.MomentoIzq, e.MomentoMaxAbs, p.MomentoMaxAbs, X);
        MayorAbs(r.Giro, e.GiroMax, p.GiroMax, X);
        MayorAbs(r.Flecha, e.FlechaMax, p.FlechaMax, X);

        if (k + 1 > n) break;  // cannot happen for the allocation above; keeps the arrays safe
        ++k;
        e.DiagCortante[k] = -r.CortanteIzq;
        e.DiagMomento[k] = r.MomentoIzq;
        e.DiagGiro[k] = r.Giro;
        e.DiagFlecha[k] = r.Flecha;
        e.DiagMomentoServicio[k] = -r.MomentoServicio;
        e.DiagX[k] = X;

        e.CortanteIzq = r.CortanteIzq;
        e.CortanteDer = r.CortanteDer;
        e.MomentoIzq = r.MomentoIzq;
        e.MomentoDer = r.MomentoDer;
        e.MomentoServicio = r.MomentoServicio;
        e.Giro = r.Giro;
        e.Flecha = r.Flecha;
    }
    e.XAnalisis = X;
    e.Combinacion = 3;
    e.NumEstaciones = k;

    // Displayed sign (adding 0 keeps a zero extreme from becoming -0).
    e.CortanteMax = -e.CortanteMax + 0.0f;
    e.CortanteMin = -e.CortanteMin + 0.0f;
    e.MomentoPosMax = -e.MomentoPosMax + 0.0f;
    e.MomentoNegMax = -e.MomentoNegMax + 0.0f;
}

}  // namespace korvex
