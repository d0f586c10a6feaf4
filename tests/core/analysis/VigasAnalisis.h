// Beams and loads of the analysis tests, mirrored and generated beams.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>

#include "analysis/Analisis_Punto.h"
#include "analysis/Calculos_Diagramas.h"
#include "model/DatosViga.h"

namespace korvex::pruebas {

// The input of the analysis: the beam and its loads, the section.
struct VigaPrueba {
    DatosViga datos;
    PropiedadesSeccion seccion;

    ResultadoAnalisis Analizar(const ReglasDiseno& reglas) const {
        return AnalizarViga(datos, seccion, reglas);
    }
    ResultadoPunto Punto(const ReglasDiseno& reglas, float X) const {
        return AnalizarPunto(datos, seccion, reglas, X);
    }
};

// L, J, K in m and the loads; area in cm2 (self weight), E in Tn/m2, I in m4.
inline VigaPrueba Viga(float L, float J, float K, std::initializer_list<CargaViga> cargas = {},
                       float area = 0, float E = 1, float I = 1) {
    VigaPrueba v;
    v.datos.longitud = L;
    v.datos.apoyos = {J, K};
    v.datos.cargas = cargas;
    v.seccion.area = area;
    v.seccion.modulo = E;
    v.seccion.inercia = I;
    return v;
}

using enum CategoriaCarga;

inline CargaViga Puntual(float a, float P, CategoriaCarga cat = Otros) {
    return {TipoCarga::Puntual, cat, a, 0, 0, P, 0, a};
}
inline CargaViga Momento(float a, float M, CategoriaCarga cat = Otros) {
    return {TipoCarga::Momento, cat, a, 0, 0, M, 0, a};
}
inline CargaViga Distribuida(float a, float b, float P1, float P2, CategoriaCarga cat = Otros) {
    return {TipoCarga::Distribuida, cat, a, b, 0, P1, P2, a + b};
}

// The beam seen from its other end, x -> L - x: forces keep their sense, an
// applied moment changes it, a trapezoid swaps its two intensities.
inline VigaPrueba Espejo(const VigaPrueba& v) {
    const float L = v.datos.longitud;
    VigaPrueba m = Viga(L, L - v.datos.ApoyoDerecho(), L - v.datos.ApoyoIzquierdo());
    m.seccion = v.seccion;
    for (const CargaViga& c : v.datos.cargas) {
        if (c.tipo == TipoCarga::Puntual)
            m.datos.cargas.push_back(Puntual(L - c.a, c.p1, c.categoria));
        if (c.tipo == TipoCarga::Momento)
            m.datos.cargas.push_back(Momento(L - c.a, -c.p1, c.categoria));
        if (c.tipo == TipoCarga::Distribuida)
            m.datos.cargas.push_back(Distribuida(L - c.fin, c.b, c.p2, c.p1, c.categoria));
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
inline VigaPrueba VigaAleatoria(Azar& g, bool vuelos, bool abajo) {
    const float L = g.Cm(2, 14);
    float J = 0, K = L;
    if (vuelos) {
        J = g.Cm(0.3f, L / 4);
        K = g.Cm(L * 0.6f, L - 0.3f);
    }
    VigaPrueba v = Viga(L, J, K, {}, g.N(0, 1) ? g.Cm(500, 3000) : 0, 2.2e6f, 0.004f);
    std::vector<CargaViga>& cargas = v.datos.cargas;
    for (int i = g.N(2, 12); i > 0; --i) {
        const CategoriaCarga cat = i % 3 == 0 ? Viva : static_cast<CategoriaCarga>(g.N(1, 3));
        const float a = g.Cm(0, L);
        const int tipo = abajo ? g.N(0, 1) * 2 : g.N(0, 2);
        if (tipo == 0) cargas.push_back(Puntual(a, g.Cm(abajo ? 0.5f : -5, 10), cat));
        if (tipo == 1) cargas.push_back(Momento(a, g.Cm(-8, 8), cat));
        if (tipo == 2) {
            const float b = std::max(0.1f, g.Cm(0, L - a));
            cargas.push_back(Distribuida(std::min(a, L - b), b, g.Cm(0.1f, 5), g.Cm(0.1f, 5), cat));
        }
    }
    return v;
}

}  // namespace korvex::pruebas
