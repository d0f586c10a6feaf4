// Beams and loads of the analysis tests, mirrored and generated beams.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>

#include "model/Estado.h"

namespace korvex::pruebas {

// L, J, K in m and the loads; area in cm2 (self weight), E in Tn/m2, I in m4.
inline EstadoProyecto Viga(float L, float J, float K, std::initializer_list<Carga> cargas = {},
                           float area = 0, float E = 1, float I = 1) {
    EstadoProyecto e;
    e.LuzViga = L;
    e.DistJ = J;
    e.DistK = K;
    e.AreaSeccion = area;
    e.ModuloElasticidad = E;
    e.InerciaSeccion = I;
    for (const Carga& c : cargas) AgregarCarga(e, c);
    return e;
}

inline Carga Puntual(float a, float P, float cat = kOtros) {
    return {a, 0, 0, P, 0, a, kPuntual, cat};
}
inline Carga Momento(float a, float M, float cat = kOtros) {
    return {a, 0, 0, M, 0, a, kMomento, cat};
}
inline Carga Distribuida(float a, float b, float P1, float P2, float cat = kOtros) {
    return {a, b, 0, P1, P2, a + b, kDistribuida, cat};
}

// The beam seen from its other end, x -> L - x: forces keep their sense, an
// applied moment changes it, a trapezoid swaps its two intensities.
inline EstadoProyecto Espejo(const EstadoProyecto& e) {
    const float L = e.LuzViga;
    EstadoProyecto m =
        Viga(L, L - e.DistK, L - e.DistJ, {}, e.AreaSeccion, e.ModuloElasticidad, e.InerciaSeccion);
    for (int i = 1; i <= e.NumCargas; ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        if (c.Tipo == kPuntual) AgregarCarga(m, Puntual(L - c.A, c.P1, c.Categoria));
        if (c.Tipo == kMomento) AgregarCarga(m, Momento(L - c.A, -c.P1, c.Categoria));
        if (c.Tipo == kDistribuida)
            AgregarCarga(m, Distribuida(L - c.Fin, c.B, c.P2, c.P1, c.Categoria));
    }
    return m;
}

struct Azar {
    std::mt19937 rng;
    float U(float a, float b) { return std::uniform_real_distribution<float>(a, b)(rng); }
    float Cm(float a, float b) { return std::round(U(a, b) * 100) / 100; }  // whole centimetres
    int N(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
};

// From 2 to 12 loads of every type and category, every third one live, on a
// beam of 2 to 14 m with or without two cantilevers, self weight on half of
// them; `abajo` keeps forces downward and leaves out moments.
inline EstadoProyecto VigaAleatoria(Azar& g, bool vuelos, bool abajo) {
    const float L = g.Cm(2, 14);
    float J = 0, K = L;
    if (vuelos) {
        J = g.Cm(0.3f, L / 4);
        K = g.Cm(L * 0.6f, L - 0.3f);
    }
    EstadoProyecto e = Viga(L, J, K, {}, g.N(0, 1) ? g.Cm(500, 3000) : 0, 2.2e6f, 0.004f);
    for (int i = g.N(2, 12); i > 0; --i) {
        const float cat = i % 3 == 0 ? kViva : static_cast<float>(g.N(1, 3));
        const float a = g.Cm(0, L);
        const int tipo = abajo ? g.N(0, 1) * 2 : g.N(0, 2);
        if (tipo == 0) AgregarCarga(e, Puntual(a, g.Cm(abajo ? 0.5f : -5, 10), cat));
        if (tipo == 1) AgregarCarga(e, Momento(a, g.Cm(-8, 8), cat));
        if (tipo == 2) {
            const float b = std::max(0.1f, g.Cm(0, L - a));
            AgregarCarga(e, Distribuida(std::min(a, L - b), b, g.Cm(0.1f, 5), g.Cm(0.1f, 5), cat));
        }
    }
    return e;
}

}  // namespace korvex::pruebas
