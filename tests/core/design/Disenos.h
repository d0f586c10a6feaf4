// Builders of sections, materials and design states for the design tests.
#pragma once

#include <cmath>
#include <string>

#include "design/Seccion.h"
#include "model/Estado.h"
#include "text/Numeros.h"

namespace korvex::prueba {

struct Caso {
    EstadoProyecto e;
    Seccion s;
    Materiales m;
};

inline std::string T(float v) {
    return texto::TextoSimple(v);
}

// A section defined through the four field texts of the section window and
// accepted, with f'c, fy and the cover; d = total height - cover.
inline Caso Definir(const char* tipo, float b, float h, float bw, float hw, float cover, double fc,
                    double fy) {
    Caso c;
    const bool rect = std::string(tipo) == kVigaRect;
    c.s.TipoViga = tipo;
    c.s.txtB = T(b);
    c.s.txtH = T(h);
    if (!rect) {
        c.s.txtBw = T(bw);
        c.s.txtHw = T(hw);
    }
    Calculos_Geom(c.s, c.e);
    c.m.txtFc = T(static_cast<float>(fc));
    c.m.cboFy = T(static_cast<float>(fy));
    c.m.txtRec = T(cover);
    c.e.Recubrimiento = cover;
    c.e.PeralteEfectivo = (rect ? c.s.H : c.s.Hw + c.s.Hf) - cover;
    return c;
}

inline Caso Rectangular(float b, float h, float cover = 5, double fc = 210, double fy = 4200) {
    return Definir(kVigaRect, b, h, 0, 0, cover, fc, fy);
}

// T (flange on top) or inverted T (flange at the bottom): bf, hf, bw, hw.
inline Caso ConAla(const char* tipo, float bf, float hf, float bw, float hw, float cover = 4,
                   double fc = 210, double fy = 4200) {
    return Definir(tipo, bf, hf, bw, hw, cover, fc, fy);
}

inline double Relativo(double a, double b) {
    return b != 0 ? std::abs(a - b) / std::abs(b) : std::abs(a);
}

}  // namespace korvex::prueba
