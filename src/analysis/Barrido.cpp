#include "analysis/Barrido.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace korvex {

namespace {

constexpr float kPaso = 0.01f;  // m, one station per centimetre

// The five swept quantities. V and M carry the load factors of the strength
// cases; the other three are unfactored.
enum Magnitud { kV, kM, kMs, kG, kD, kMagnitudes };

// c[n] is the coefficient of (x - base)^n.
using Polinomio = std::array<double, 6>;
constexpr int kGrado[kMagnitudes] = {2, 3, 3, 4, 5};

// Sum of the polynomial pieces of every load passed so far, about `base`.
// G is the slope integral sum (g + C1), D the deflection integral sum
// (f + C1 x + C2): Giro = G / (E I), Flecha = -D / E.
struct Acumulador {
    std::array<Polinomio, kMagnitudes> p{};
    double base = 0;

    // Re-expresses every polynomial about `x` (Taylor shift by h = x - base).
    void Trasladar(double x) {
        const double h = x - base;
        if (h == 0) return;
        for (Polinomio& c : p) {
            for (int i = 0; i < 5; ++i) {
                for (int j = 4; j >= i; --j) c[j] += h * c[j + 1];
            }
        }
        base = x;
    }

    // Horner's rule up to the degree of each quantity: shear 2, moments 3,
    // slope 4, deflection 5.
    template <Magnitud q>
    double Valor(double t) const {
        const Polinomio& c = p[q];
        double r = c[kGrado[q]];
        for (int n = kGrado[q] - 1; n >= 0; --n) r = r * t + c[static_cast<std::size_t>(n)];
        return r;
    }

    // Adds k <x - base>^n to the service quantities of a load (times its
    // service factor Fs) and its factored part (times F) to V and M: the
    // moment term k <x>^n brings the slope integral k/(n+1) <x>^(n+1) and
    // the deflection integral k/((n+1)(n+2)) <x>^(n+2).
    void Momento(double F, double Fs, double k, int n) {
        p[kM][n] += F * k;
        p[kMs][n] += Fs * k;
        p[kG][n + 1] += Fs * k / (n + 1);
        p[kD][n + 2] += Fs * k / ((n + 1) * (n + 2));
    }
};

// A breakpoint: the start or end of load `carga`, or a support (carga < 0).
struct Evento {
    float x;
    int carga;  // index of the load in its part; kApoyoJ or kApoyoK for the reactions
    int parte;  // the part whose load it is
    bool fin;   // end of a distributed load
};
constexpr int kApoyoJ = -1;
constexpr int kApoyoK = -2;

// Terms of a load that start at its position a (fin false) or at its end e
// (fin true), with its factor F of the strength combination swept and Fs of
// the service combination. The shear term of a
// load is the derivative of its moment term: a moment term k <x - p>^n comes
// with the shear n k <x - p>^(n-1), added through V below.
void SumarCarga(Acumulador& s, const CargaViga& c, double F, double Fs, bool fin) {
    const double P1 = c.p1, P2 = c.p2;
    auto termino = [&](double k, int n) {  // k <x - p>^n in the moment
        if (n >= 1) s.p[kV][n - 1] += F * k * n;
        s.Momento(F, Fs, k, n);
    };
    if (c.tipo == TipoCarga::Puntual) {
        if (!fin) termino(P1, 1);  // shear step P, moment P <x - a>
        return;
    }
    if (c.tipo == TipoCarga::Momento) {
        if (!fin) termino(-P1, 0);  // moment step -M0
        return;
    }
    if (c.tipo != TipoCarga::Distribuida) return;
    const double b = c.b;
    const double sg = fin ? -1.0 : 1.0;  // the end cancels what the start began
    // Uniform part: P1 when uniform or increasing, P2 when decreasing.
    const double w = (c.p1 <= c.p2) ? P1 : P2;
    termino(sg * w / 2, 2);
    if (c.p1 < c.p2) {
        // Increasing triangle, slope s = (P2 - P1) / b; at the end the step
        // of its height h = P2 - P1 closes it.
        const double pendiente = (P2 - P1) / b;
        termino(sg * pendiente / 6, 3);
        if (fin) termino(-(P2 - P1) / 2, 2);
    } else if (c.p1 > c.p2) {
        // Decreasing triangle of height d = P1 - P2 at a.
        const double d = P1 - P2;
        if (!fin) termino(d / 2, 2);
        termino(-sg * d / (6 * b), 3);
    }
}

// Reaction terms at a support: -R <x - p> in the moment, -R in the shear.
void SumarReaccion(Acumulador& s, double RFactorizada, double R) {
    s.p[kV][0] -= RFactorizada;
    s.p[kM][1] -= RFactorizada;
    s.p[kMs][1] -= R;
    s.p[kG][2] -= R / 2;
    s.p[kD][3] -= R / 6;
}

}  // namespace

std::vector<float> AbscisasEstaciones(float L, std::size_t maximo) {
    std::vector<float> X;
    X.reserve(std::min(maximo, static_cast<std::size_t>(std::max(0.0f, L) * 100 + 2)));
    for (float x = 0; x <= L && X.size() < maximo; x += kPaso) X.push_back(x);
    return X;
}

void BarrerPartes(const std::vector<const AnalizadorViga*>& partes, const std::vector<float>& X,
                  const std::function<void(std::size_t, const double*)>& visita,
                  std::size_t combinacion) {
    const std::size_t P = partes.size();
    if (P == 0) return;
    const AnalizadorViga& viga = *partes[0];  // the beam: supports, modulus, inertia

    // Breakpoints of every part in order of abscissa; the supports once.
    std::vector<Evento> eventos;
    std::size_t total = 2;
    for (const AnalizadorViga* a : partes) total += 2 * a->Cargas().size();
    eventos.reserve(total);
    eventos.push_back({viga.ApoyoJ(), kApoyoJ, 0, false});
    eventos.push_back({viga.ApoyoK(), kApoyoK, 0, false});
    for (std::size_t p = 0; p < P; ++p) {
        const std::vector<CargaViga>& cargas = partes[p]->Cargas();
        for (std::size_t i = 0; i < cargas.size(); ++i) {
            const CargaViga& c = cargas[i];
            if (c.tipo != TipoCarga::Puntual && c.tipo != TipoCarga::Momento &&
                c.tipo != TipoCarga::Distribuida) {
                continue;
            }
            eventos.push_back({c.a, static_cast<int>(i), static_cast<int>(p), false});
            if (c.tipo == TipoCarga::Distribuida) {
                eventos.push_back({c.fin, static_cast<int>(i), static_cast<int>(p), true});
            }
        }
    }
    std::stable_sort(eventos.begin(), eventos.end(),
                     [](const Evento& a, const Evento& b) { return a.x < b.x; });

    // Reactions of each part (factored and service) and the elastic-line
    // constants, which act along the whole beam; each part's self weight.
    std::vector<ReaccionesApoyos> factorizadas(P), servicio(P);
    std::vector<Acumulador> s(P);
    for (std::size_t p = 0; p < P; ++p) {
        const AnalizadorViga& a = *partes[p];
        const CombinacionCargas& u = a.Combinaciones()[combinacion];
        const CombinacionCargas& sv = a.Servicio();
        const ConstantesCarga& kp = a.ConstantesPesoPropio();
        factorizadas[p] = a.ReaccionesCombinacion(u);
        servicio[p] = a.ReaccionesCombinacion(sv);
        const double Fp = u.pesoPropio, Fps = sv.pesoPropio;
        double C1 = Fps * kp.C1, C2 = Fps * kp.C2;
        const std::vector<CargaViga>& cargas = a.Cargas();
        const std::vector<ConstantesCarga>& k = a.Constantes();
        for (std::size_t i = 0; i < cargas.size(); ++i) {
            const double Fs = sv.Factor(cargas[i].categoria);
            C1 += Fs * k[i].C1;
            C2 += Fs * k[i].C2;
        }
        s[p].p[kG][0] = C1;
        s[p].p[kD][0] = C2;
        s[p].p[kD][1] = C1;
        // Self weight w <x> from x = 0 (its end at L is never passed).
        const double w = a.PesoPropio();
        s[p].p[kV][1] += Fp * w;
        s[p].p[kM][2] += Fp * w / 2;
        s[p].p[kMs][2] += Fps * w / 2;
        s[p].p[kG][3] += Fps * w / 6;
        s[p].p[kD][4] += Fps * w / 24;
    }

    // Rotation = slope integral / (E I); Flecha keeps the inertia in (divided
    // by E only). Without a modulus or a section they are 0.
    const double EI = viga.Rigidez(), E = viga.Modulo();
    const double porEI = EI != 0 ? 1 / EI : 0.0, porE = E != 0 ? -1 / E : 0.0;
    std::vector<double> valores(P * kMagnitudes);
    std::size_t siguiente = 0;
    for (std::size_t i = 0; i < X.size(); ++i) {
        const float x = X[i];
        // Breakpoints strictly left of the station: the jumps at the station
        // itself are excluded, as in the left-side values.
        while (siguiente < eventos.size() && eventos[siguiente].x < x) {
            const Evento& ev = eventos[siguiente++];
            if (ev.carga == kApoyoJ || ev.carga == kApoyoK) {
                for (std::size_t p = 0; p < P; ++p) {
                    s[p].Trasladar(ev.x);
                    if (ev.carga == kApoyoJ) {
                        SumarReaccion(s[p], factorizadas[p].R1, servicio[p].R1);
                    }
                    if (ev.carga == kApoyoK) {
                        SumarReaccion(s[p], factorizadas[p].R2, servicio[p].R2);
                    }
                }
            } else {
                const auto p = static_cast<std::size_t>(ev.parte);
                const CargaViga& c = partes[p]->Cargas()[static_cast<std::size_t>(ev.carga)];
                s[p].Trasladar(ev.x);
                SumarCarga(s[p], c, partes[p]->Combinaciones()[combinacion].Factor(c.categoria),
                           partes[p]->Servicio().Factor(c.categoria), ev.fin);
            }
        }
        for (std::size_t p = 0; p < P; ++p) {
            const Acumulador& a = s[p];
            const double t = static_cast<double>(x) - a.base;
            double* v = &valores[p * kMagnitudes];
            v[kV] = a.Valor<kV>(t);
            v[kM] = a.Valor<kM>(t);
            v[kMs] = a.Valor<kMs>(t);
            v[kG] = a.Valor<kG>(t) * porEI;
            v[kD] = a.Valor<kD>(t) * porE;
        }
        visita(i, valores.data());
    }
}

Estaciones Barrer(const AnalizadorViga& viga, const std::vector<float>& X) {
    Estaciones r;
    for (auto* v : {&r.CortanteIzq, &r.MomentoIzq, &r.MomentoServicio, &r.Giro, &r.Flecha}) {
        v->resize(X.size());
    }
    // Each strength combination swept in turn; at each station the shear and
    // the moment of the largest magnitude, the first combination on a tie.
    for (std::size_t u = 0; u < viga.Combinaciones().size(); ++u) {
        BarrerPartes(
            {&viga}, X,
            [&](std::size_t i, const double* v) {
                if (u == 0 || std::fabs(v[kV]) > std::fabs(r.CortanteIzq[i])) {
                    r.CortanteIzq[i] = v[kV];
                }
                if (u == 0 || std::fabs(v[kM]) > std::fabs(r.MomentoIzq[i])) {
                    r.MomentoIzq[i] = v[kM];
                }
                if (u != 0) return;
                r.MomentoServicio[i] = v[kMs];
                r.Giro[i] = v[kG];
                r.Flecha[i] = v[kD];
            },
            u);
    }
    return r;
}

}  // namespace korvex
