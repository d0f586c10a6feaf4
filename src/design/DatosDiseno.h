// Inputs of the design steps as the formulas use them: the section type, the
// flange and web dimensions, f'c and fy, and the
// conversions between the units of the project state and of the design.
#pragma once

#include <cmath>
#include <limits>

#include "design/Seccion.h"
#include "model/DatosViga.h"

namespace korvex::diseno {

inline constexpr double kTnmAKgcm = 100000;   // Tn.m -> Kgr.cm
inline constexpr double kTnAKg = 1000;        // Tn -> Kgr
inline constexpr double kM4ACm4 = 100000000;  // m4 -> cm4
inline constexpr double kEs = 2040000;        // Kgr/cm2, steel modulus
inline constexpr double kEcFactor = 15100;    // Ec = 15100 sqrt(f'c), Kgr/cm2

enum class TipoSeccion { Desconocida, Rect, T, Ti };

inline TipoSeccion TipoDe(const Seccion& s) {
    if (s.TipoViga == kVigaRect) return TipoSeccion::Rect;
    if (s.TipoViga == kVigaT) return TipoSeccion::T;
    if (s.TipoViga == kVigaTi) return TipoSeccion::Ti;
    return TipoSeccion::Desconocida;
}

// Flange and web dimensions (cm) as the formulas see them. A rectangle keeps
// in its stored fields the values of a T defined before it; for a rectangle
// they are zero here, so the flanged formulas reduce to the rectangle.
struct AlaAlma {
    float Bf = 0, Bw = 0, Hf = 0, Hw = 0;
};

inline AlaAlma DimensionesAla(const Seccion& s) {
    if (TipoDe(s) == TipoSeccion::Rect) return {};
    return {s.Bf, s.Bw, s.Hf, s.Hw};
}

// Material strengths, Kgr/cm2, of the typed input (f'c 0 when not given).
inline double Fc(const DatosViga& datos) {
    return datos.materiales.fc.value_or(0.0);
}
inline double Fy(const DatosViga& datos) {
    return datos.materiales.fy;
}

// Square root that never yields NaN: a negative radicand (reachable only by
// rounding at a limit that was already checked) counts as 0.
inline double RaizSegura(double x) {
    return x > 0 ? std::sqrt(x) : 0.0;
}

// A double result stored as Single: values beyond the Single range saturate
// instead of becoming infinite.
inline float ASimple(double x) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (x > kMax) return std::numeric_limits<float>::max();
    if (x < -kMax) return -std::numeric_limits<float>::max();
    return static_cast<float>(x);
}

}  // namespace korvex::diseno
