// Sections of the design tests and the comparison of steel areas.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/Calculos_Diagramas.h"
#include "comun/Vigas.h"
#include "model/Interfaz.h"
#include "project/DatosProyecto.h"
#include "text/Numeros.h"

namespace korvex::pruebas {

// What the design reads (the section, its fields, its gross properties, the
// analysis, the beam and its supports) and what its steps write.
struct Caso {
    Seccion s;
    Materiales m;
    PropiedadesSeccion p;
    ResultadoAnalisis a;
    ResultadoDiseno r;          // cover and d set as the design sets them
    float L = 0, J = 0, K = 0;  // m, the beam and its first and last support

    // The typed input the design reads: the beam and the section and material
    // fields read as the project reads them.
    DatosViga d() const {
        Proyecto q;
        q.seccion = s;
        q.materiales = m;
        q.estado.LuzViga = L;
        q.estado.DistJ = J;
        q.estado.DistK = K;
        return DatosVigaDe(q);
    }
};

// The typed input of the beam, supports and loads of a project state.
inline DatosViga DatosDe(const EstadoProyecto& e) {
    Proyecto p;
    p.estado = e;
    return DatosVigaDe(p);
}

// The analysis of the beam of `e` with its section and modulus, as a
// calculation runs it.
inline ResultadoAnalisis Analizar(const EstadoProyecto& e, const ReglasDiseno& reglas) {
    return AnalizarViga(DatosDe(e), PropiedadesDe(e), reglas);
}

using Cuentas = std::array<int, 4>;  // bars of 1", 3/4", 1/2", 3/8"

inline std::string T(double v) {
    return texto::TextoSimple(static_cast<float>(v));
}

// d = total height - cover. A rectangle b x h, or a T (flange on top) or an
// inverted T of bf 60, hf 10, bw 25, hw 40.
inline Caso Definir(const char* tipo, float b, float h, float cover, double fc, double fy) {
    Proyecto p;
    const bool rect = std::string(tipo) == kVigaRect;
    PonerSeccion(p, tipo, T(b).c_str(), T(h).c_str(), rect ? "" : "25", rect ? "" : "40");
    Caso c;
    c.s = p.seccion;
    c.m = {T(fc), T(fy), T(cover), 1};
    c.p = PropiedadesDe(p.estado);
    c.r.Recubrimiento = cover;
    c.r.PeralteEfectivo = (rect ? c.s.H : c.s.Hw + c.s.Hf) - cover;
    return c;
}
inline Caso Rect(float b, float h, float cover = 5, double fc = 210, double fy = 4200) {
    return Definir(kVigaRect, b, h, cover, fc, fy);
}
inline Caso Ala(const char* tipo, float cover = 4, double fc = 210) {
    return Definir(tipo, 60, 10, cover, fc, 4200);
}

inline double Relativo(double a, double b) {
    return b != 0 ? std::abs(a - b) / std::abs(b) : std::abs(a);
}
// Steel areas to three significant figures.
inline void Area3(float valor, double esperado) {
    EXPECT_LT(Relativo(valor, esperado), 0.0051) << valor << " vs " << esperado;
}

inline const Mensaje kAviso{
    "El elemento sobrepasa la deflexión máxima estipulada por el Código ACI (American "
    "Concrete Institute)",
    "Advertencia", 64};

}  // namespace korvex::pruebas
