#include "design/TablaVarillas.h"

#include <cmath>

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
    if (area - provista > kHolgura) ++c[3];
}

void TablaVarillas(EstadoProyecto& e) {
    const float areas[4] = {e.AsTraccionPos, e.AsTraccionNeg, e.AsCompresionPos, e.AsCompresionNeg};
    for (int col = 0; col < 4; ++col) {
        const std::array<int, 4> c = ContarVarillas(areas[col], &e.AsVarillas);
        for (int r = 0; r < 4; ++r) e.Varillas[r][col] = c[r];
    }
}

}  // namespace korvex
