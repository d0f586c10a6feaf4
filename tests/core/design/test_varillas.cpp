#include <gtest/gtest.h>

#include <array>

#include "design/TablaVarillas.h"

namespace korvex {
namespace {

using Cuentas = std::array<int, 4>;  // 1", 3/4", 1/2", 3/8"

double Provista(const Cuentas& c) {
    double a = 0;
    for (int r = 0; r < 4; ++r) a += c[r] * kAreaVarilla[r];
    return a;
}

TEST(TablaVarillas, EjemplosDeCuatroAreas) {
    struct {
        float As;
        Cuentas c;
        float asVarillas;
    } casos[] = {
        {0, {0, 0, 0, 0}, 0},             // no steel, no allowance
        {5.0f, {1, 0, 0, 0}, 5.356279f},  // remainder 0.289: 0.406 of a 3/8" rounds to 0
        {0.5f, {0, 0, 0, 1}, 0.856279f},  // 1.202 rounds to 1
        {3.6f, {0, 1, 0, 2}, 3.956279f},  // remainder 1.106: 1.552 rounds to 2
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.As);
        float av = -1;
        EXPECT_EQ(ContarVarillas(k.As, &av), k.c);
        EXPECT_NEAR(av, k.asVarillas, 1e-6);
    }
}

TEST(TablaVarillas, ReglaDelFaltanteEnSuLimite) {
    // No bars against an area of exactly the allowance: nothing is missing.
    Cuentas c{};
    ComprobarFaltante(0.356278695, c);
    EXPECT_EQ(c, (Cuentas{0, 0, 0, 0}));
    // Beside it the bars fall short: one 3/8" bar more.
    ComprobarFaltante(0.3563, c);
    EXPECT_EQ(c, (Cuentas{0, 0, 0, 1}));
    // With bars: a 1/2" bar against 1.266768 + allowance is enough, a hair more is not.
    Cuentas d{0, 0, 1, 0};
    ComprobarFaltante(1.266768 + 0.356278695, d);
    EXPECT_EQ(d, (Cuentas{0, 0, 1, 0}));
    ComprobarFaltante(1.266768 + 0.3563, d);
    EXPECT_EQ(d, (Cuentas{0, 0, 1, 1}));
    // Through the whole count: one 1/2" bar of area is met by that bar; a
    // little more asks for a 3/8" bar as well.
    EXPECT_EQ(ContarVarillas(1.266768f), (Cuentas{0, 0, 1, 0}));
    EXPECT_EQ(ContarVarillas(1.27f), (Cuentas{0, 0, 1, 1}));
}

// Over a dense range of areas the bars never fall short of As and exceed it
// by at most one 3/8" bar.
TEST(TablaVarillas, PropiedadLasBarrasCubrenElArea) {
    for (int i = 1; i <= 200000; ++i) {
        const float As = i * 2e-4f;  // up to 40 cm2
        const Cuentas c = ContarVarillas(As);
        const double exceso = Provista(c) - As;
        ASSERT_GE(exceso, -1e-5) << As;
        ASSERT_LE(exceso, kAreaVarilla[3] + 1e-5) << As;
        for (int n : c) ASSERT_GE(n, 0);
        ASSERT_LE(c[1], 1) << As;  // a second 3/4" would have been a 1"
    }
}

TEST(TablaVarillas, ColumnasDeLaTabla) {
    EstadoProyecto e;
    e.AsTraccionPos = 5.0f;
    e.AsTraccionNeg = 3.6f;
    e.AsCompresionPos = 0.5f;
    e.AsCompresionNeg = 0;
    TablaVarillas(e);
    const int esperado[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}, {0, 2, 1, 0}};
    for (int r = 0; r < 4; ++r) {
        for (int col = 0; col < 4; ++col) {
            EXPECT_EQ(e.Varillas[r][col], esperado[r][col]) << r << "," << col;
        }
    }
    EXPECT_EQ(e.AsVarillas, 0);  // the last column, M(-) Compresión, had no steel
    e.AsCompresionNeg = 3.6f;
    TablaVarillas(e);
    EXPECT_NEAR(e.AsVarillas, 3.956279f, 1e-6);
    EXPECT_EQ(e.Varillas[3][3], 2);
}

}  // namespace
}  // namespace korvex
