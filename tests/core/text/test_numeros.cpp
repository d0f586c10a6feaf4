#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <tuple>

#include "text/Numeros.h"

namespace korvex::texto {
namespace {

// Just above the largest Single a text still rounds to it (3.4028235e38, the
// shortest form of the largest Single); from half its last unit on it does not.
TEST(LecturaCampo, NumeroYPruebaNumerica) {
    const std::tuple<const char*, double, bool> casos[] = {
        // clang-format off
        {"2.3", 2.3, true},   {" 5 ", 5, true},       {"5abc", 5, false},
        {"", 0, false},       {"-", 0, false},        {"1e3", 1000, true},
        {"1,5", 1, false},    {"inf", 0, false},      {"nan", 0, false},
        {"1E+40", 0, false},  {".5", 0.5, true},      {"-.5", -0.5, true},
        {"5.", 5, true},      {"2.5E-03", 0.0025, true}, {"  -3.25xyz", -3.25, false},
        {"1e", 1, false},     {"- 5", 0, false},      {"3.4e38", 3.4e38, true},
        {"3.4028235e38", FLT_MAX, true}, {"-3.4028235E+38", -FLT_MAX, true},
        {"3.4028236e38", 0, false},
        // clang-format on
    };
    for (const auto& [texto, numero, numerico] : casos) {
        SCOPED_TRACE(texto);
        EXPECT_DOUBLE_EQ(NumeroCampo(texto), numero);
        EXPECT_EQ(EsNumerico(texto), numerico);
    }
}

// A Single is rounded from its shortest decimal form: in most Single rows the binary
// value lies on the other side of the half (0.0235f is 0.0234999991...). The sign,
// the carry and the groups are shared by both paths: the Double rows hold them.
TEST(Formatos, TablaDePatrones) {
    // Value, whether it is a Single, pattern and text.
    const std::tuple<double, bool, const char*, const char*> casos[] = {
        {0.9, false, "###,###.00", ".90"},
        {0, false, "###,###.00", ".00"},
        {0.75, false, "###,##0.00", "0.75"},
        {12.5, false, "Fixed", "12.50"},
        {0.016666, false, "###,##0.000", "0.017"},
        {1e6, false, "###,###,###.00", "1,000,000.00"},
        {106666.666, false, "###,###,###.00", "106,666.67"},
        {999.995, false, "###,###.00", "1,000.00"},
        {-0.001, false, "###,###.00", ".00"},  // no "-.00"
        {-0.5, false, "###,###.00", "-.50"},
        {2.675, false, "###,##0.00", "2.68"},   // the half as the user sees it
        {-0.125, false, "###,###.00", "-.13"},  // halves away from zero
        {NAN, false, "###,###.00", ".00"},
        {0.0235, true, "###,##0.000", "0.024"},  // L/180 for L = 4.23 m
        {2.675, true, "###,##0.00", "2.68"},
        {92356.055, true, "###,###,###.00", "92,356.06"},
        // Binary 2751380.25, shortest form 2751380.2: the user's digits count.
        {2751380.25, true, "###,###,###.00", "2,751,380.20"},
        {NAN, true, "###,##0.00", "0.00"},
    };
    for (const auto& [valor, single, patron, texto] : casos) {
        SCOPED_TRACE(std::string(patron) + " " + std::to_string(valor) + (single ? "f" : ""));
        EXPECT_EQ(single ? Formato(static_cast<float>(valor), patron) : Formato(valor, patron),
                  texto);
    }
    const std::pair<float, const char*> generales[] = {
        {2.8900075f, "2.890008"}, {-1.7000015f, "-1.700002"},  {14.198725f, "14.19873"},
        {0.0235f, "0.0235"},      {1.2345679e8f, "123456790"}, {9.9999995e20f, "1E+21"},
        {1e-7f, "1E-07"},         {-1.5e16f, "-1.5E+16"},      {INFINITY, "0"}};
    for (const auto& [v, t] : generales) EXPECT_EQ(FormatoGeneral(v), t) << v;
}

TEST(Formatos, FormaSimpleYGeneral) {
    const std::pair<float, const char*> simples[] = {
        {2.5f, "2.5"},           {0.0f, "0"},     {-0.0f, "0"}, {5.67f, "5.67"}, {1e-3f, "0.001"},
        {123456.7f, "123456.7"}, {100.0f, "100"}, {NAN, "0"}};
    for (const auto& [v, t] : simples) EXPECT_EQ(TextoSimple(v), t);
    // Every Single written this way reads back to the same bits, the largest one
    // and the one whose shortest text a Double would round to its neighbour too.
    for (float v : {0.1f + 5.9f, 1.0f / 3, 327.67f, 2.1e6f, 1.17549435e-38f, FLT_MAX, -FLT_MAX,
                    7.038531e-26f, -7.038531e-26f}) {
        EXPECT_EQ(static_cast<float>(NumeroCampo(TextoSimple(v))), v);
    }
    // The report's general format: up to 7 significant digits.
    const std::pair<double, const char*> generales[] = {
        {0.0123456789, "0.01234568"}, {18.666666, "18.66667"}, {6, "6"},  {1234567.8, "1234568"},
        {1.5e16, "1.5E+16"},          {1e-7, "1E-07"},         {NAN, "0"}};
    for (const auto& [v, t] : generales) EXPECT_EQ(FormatoGeneral(v), t);
}

// The readable results of the report and the polygon tool: a digit before the
// point, groups of thousands, no "-0", no NaN or inf ever written.
TEST(Formatos, DecimalesYCifrasLegibles) {
    // Value, whether it is a Single, minimum and maximum decimals, text.
    const std::tuple<double, bool, int, int, const char*> decimales[] = {
        {2.5, true, 2, 3, "2.50"},         // a load typed 2.5 Tn
        {1.125, true, 2, 3, "1.125"},      // an abscissa that needs its third decimal
        {-2.809996, true, 2, 2, "-2.81"},  // an extreme of the report
        {21.83249, true, 2, 2, "21.83"},   {0.01060326, true, 3, 3, "0.011"},  // a deflection in m
        {1234.5, false, 2, 3, "1,234.50"}, {-0.0001, false, 2, 2, "0.00"},     // no "-0.00"
        {0.9995, false, 0, 3, "1"},  // the carry, trailing zeros dropped
        {INFINITY, false, 2, 2, "0.00"},   {NAN, true, 2, 3, "0.00"},
    };
    for (const auto& [v, single, minimo, maximo, texto] : decimales) {
        SCOPED_TRACE(std::to_string(v));
        EXPECT_EQ(single ? FormatoDecimales(static_cast<float>(v), minimo, maximo)
                         : FormatoDecimales(v, minimo, maximo),
                  texto);
    }
    // Four significant digits, two decimals at least, nine at most.
    const std::pair<double, const char*> cifras[] = {{84999.999206543, "85,000.00"},
                                                     {106666.666666667, "106,666.67"},
                                                     {4.5, "4.50"},
                                                     {0.003125, "0.003125"},
                                                     {-12.34567, "-12.35"},
                                                     {1e-12, "0.00"},
                                                     {NAN, "0.00"}};
    for (const auto& [v, t] : cifras) EXPECT_EQ(FormatoCifras(v, 4, 2), t) << v;
    // Six significant digits, no decimal kept for its own sake.
    EXPECT_EQ(FormatoCifras(84999.999206543, 6, 0), "85,000");
    EXPECT_EQ(FormatoCifras(4.5, 6, 0), "4.5");
}

}  // namespace
}  // namespace korvex::texto
