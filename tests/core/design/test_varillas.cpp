#include <gtest/gtest.h>

#include <array>

#include "design/TablaVarillas.h"

namespace korvex {
namespace {

using Cuentas = std::array<int, 4>;  // 1", 3/4", 1/2", 3/8"

TEST(TablaVarillas, EjemplosYColumnasDeLaTabla) {
    const struct {
        float As;
        Cuentas c;
        float asVarillas;  // the area plus the 0.356 allowance
    } casos[] = {
        {0, {0, 0, 0, 0}, 0},             // no steel, no allowance
        {5.0f, {1, 0, 0, 0}, 5.356279f},  // remainder 0.289: 0.406 of a 3/8" rounds to 0
        {0.5f, {0, 0, 0, 1}, 0.856279f},  // 1.202 rounds to 1
        {3.6f, {0, 1, 0, 2}, 3.956279f},  // remainder 1.106: 1.552 rounds to 2
    };
    for (const auto& k : casos) {
        float av = -1;
        EXPECT_EQ(ContarVarillas(k.As, &av), k.c) << k.As;
        EXPECT_NEAR(av, k.asVarillas, 1e-6);
    }
    // Columns M(+) Tracción, M(-) Tracción, M(+) Compresión, M(-) Compresión.
    EstadoProyecto e;
    e.AsTraccionPos = 5.0f;
    e.AsTraccionNeg = 3.6f;
    e.AsCompresionPos = 0.5f;
    e.AsCompresionNeg = 3.6f;
    TablaVarillas(e);
    const std::array<Cuentas, 4> esperado{{{1, 0, 0, 0}, {0, 1, 0, 1}, {0, 0, 0, 0}, {0, 2, 1, 2}}};
    EXPECT_EQ(e.Varillas, esperado);
    EXPECT_NEAR(e.AsVarillas, 3.956279f, 1e-6);  // left by the last column
}

TEST(TablaVarillas, ReglaDelFaltanteEnSuLimite) {
    // Bars against exactly their area plus the allowance are enough; a hair more
    // asks for one 3/8" bar more.
    Cuentas c{};
    ComprobarFaltante(0.356278695, c);
    EXPECT_EQ(c, (Cuentas{0, 0, 0, 0}));
    ComprobarFaltante(0.3563, c);
    EXPECT_EQ(c, (Cuentas{0, 0, 0, 1}));
    Cuentas d{0, 0, 1, 0};
    ComprobarFaltante(1.266768 + 0.356278695, d);
    EXPECT_EQ(d, (Cuentas{0, 0, 1, 0}));
    ComprobarFaltante(1.266768 + 0.3563, d);
    EXPECT_EQ(d, (Cuentas{0, 0, 1, 1}));
    EXPECT_EQ(ContarVarillas(1.266768f), (Cuentas{0, 0, 1, 0}));
    EXPECT_EQ(ContarVarillas(1.27f), (Cuentas{0, 0, 1, 1}));
}

// Over a dense range of areas the bars never fall short of As and exceed it
// by at most one 3/8" bar.
TEST(TablaVarillas, PropiedadLasBarrasCubrenElArea) {
    for (int i = 1; i <= 200000; ++i) {
        const float As = i * 2e-4f;  // up to 40 cm2
        const Cuentas c = ContarVarillas(As);
        double provista = 0;
        for (int r = 0; r < 4; ++r) provista += c[r] * kAreaVarilla[r];
        ASSERT_GE(provista - As, -1e-5) << As;
        ASSERT_LE(provista - As, kAreaVarilla[3] + 1e-5) << As;
        for (int n : c) ASSERT_GE(n, 0);
        ASSERT_LE(c[1], 1) << As;  // a second 3/4" would have been a 1"
    }
}

}  // namespace
}  // namespace korvex
