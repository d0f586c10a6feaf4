#include "design/TablaVarillas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvex {

namespace {

constexpr double kHolgura = 0.356278695;  // cm2, half a 3/8" bar

// A count from a non-negative quotient, kept within the range of an int.
int Cuenta(double q) {
    constexpr double kMax = 2147483647.0;
    if (!(q > 0)) return 0;
    return static_cast<int>(q < kMax ? q : kMax);
}

}  // namespace

std::array<int, 4> ContarVarillas(float As, float* asVarillas) {
    std::array<int, 4> c{};
    float area = As;
    if (area != 0) {
        area = static_cast<float>(area + kHolgura);
        double resto = area;  // cm2 still to be covered
        for (int r = 0; r < 3; ++r) {
            c[r] = Cuenta(std::trunc(resto / kAreaVarilla[r]));
            resto -= c[r] * kAreaVarilla[r];
        }
        c[3] = Cuenta(std::nearbyint(resto / kAreaVarilla[3]));  // halves to even
    }
    ComprobarFaltante(area, c);
    if (asVarillas) *asVarillas = area;
    return c;
}

void ComprobarFaltante(double area, std::array<int, 4>& c) {
    double provista = 0;  // cm2
    for (int r = 0; r < 4; ++r) provista += c[r] * kAreaVarilla[r];
    if (area - provista > kHolgura && c[3] < std::numeric_limits<int>::max()) ++c[3];
}

void TablaVarillas(ResultadoDiseno& r) {
    const float areas[4] = {r.AsTraccionPos, r.AsTraccionNeg, r.AsCompresionPos, r.AsCompresionNeg};
    for (int col = 0; col < 4; ++col) {
        const std::array<int, 4> c = ContarVarillas(areas[col], &r.AsVarillas);
        PasoVarillas& x = r.Pasos.varillas[static_cast<std::size_t>(col)];
        x = PasoVarillas{};
        x.As = areas[col];
        x.AsVarillas = r.AsVarillas;
        x.cuenta = c;
        for (int fila = 0; fila < 4; ++fila) {
            r.Varillas[fila][col] = c[fila];
            x.AsProvisto += c[fila] * kAreaVarilla[fila];
        }
    }
}

void CapacidadVarillas(ResultadoDiseno& r, const ReglasDiseno& reglas) {
    const double bloque = reglas.IntensidadBloque();
    for (int col = 0; col < 2; ++col) {
        const PasoFlexion& f = col == 0 ? r.Pasos.flexionPos : r.Pasos.flexionNeg;
        PasoVarillas& x = r.Pasos.varillas[static_cast<std::size_t>(col)];
        const double As = x.AsProvisto;  // cm2
        if (!f.calculado || !f.suficiente || As <= 0 || f.b <= 0 || f.fc <= 0) continue;
        // Compression bars at their net stress f's - 0.85 f'c (Kgr/cm2).
        const double Asc =
            f.dobleArmado ? r.Pasos.varillas[static_cast<std::size_t>(col + 2)].AsProvisto : 0.0;
        const double Cs = Asc * std::max(0.0, f.fsCompresion - bloque * f.fc);  // Kgr
        const double T = As * f.fy;                                             // Kgr
        const double d = f.d, dp = f.dp;
        double a = std::max(0.0, (T - Cs) / (bloque * f.fc * f.b));  // cm
        double Mn = (T - Cs) * (d - a / 2) + Cs * (d - dp);          // Kgr.cm
        if (f.conAla && a > f.hf && f.bw > 0) {
            // The block reaches below the flange: the overhangs and the web.
            const double Cf = bloque * f.fc * (static_cast<double>(f.b) - f.bw) * f.hf;
            a = std::max(0.0, (T - Cs - Cf) / (bloque * f.fc * f.bw));
            Mn = Cf * (d - f.hf / 2.0) + (T - Cs - Cf) * (d - a / 2) + Cs * (d - dp);
        }
        x.conCapacidad = true;
        x.aProvisto = a;
        x.phiMn = reglas.PhiFlexion(f.epsLim, f.fy) * Mn;
        x.resiste = x.phiMn >= f.Mu;
    }
}

}  // namespace korvex
