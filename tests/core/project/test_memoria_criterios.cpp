// "Criterios de diseño": each coefficient stated is the one the calculation
// used (a ratio of recorded values or of reactions); each comparison with ACI
// 318-99 converts the code's psi coefficient and says the right sense.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <variant>

#include "comun/Memoria.h"
#include "comun/Vigas.h"
#include "project/Calculo.h"
#include "project/Memoria.h"
#include "project/MemoriaTexto.h"
#include "text/Numeros.h"

namespace korvex::pruebas {
namespace {

const char* const kCriterios = "Criterios de diseño";

// The plain text of the part, one line per row or paragraph.
std::string Texto(const ProyectoCalculado& p) {
    std::string t;
    for (const std::string& x :
         TextosMemoria(BloquesBajo(ConstruirMemoria(p, p.r), kCriterios), " | "))
        t += x + "\n";
    return t;
}

// A recorded ratio with two significant digits past the point at most, as the
// rules write their coefficients ("0.55", "2.1", "14.5", "0.85").
std::string Coeficiente(double v) {
    return memoria::Cifras(v, v >= 10 ? 3 : 2);
}

void Contiene(const std::string& texto, const std::string& buscado) {
    EXPECT_NE(texto.find(buscado), std::string::npos) << buscado;
}

// Shear, flexure and the effective inertia of the three examples: the
// coefficient of each rule is the ratio of the recorded values.
TEST(CriteriosDeDiseno, CoeficientesDeLosPasosRegistrados) {
    int sinCompresion = 0;
    for (const char* ejemplo : kEjemplos) {
        SCOPED_TRACE(ejemplo);
        const ProyectoCalculado p = Abierto(ejemplo, false, 3);
        const PasosCalculo& s = p.r.Pasos;
        const std::string t = Texto(p);

        const PasoCortante& c = s.cortante;
        ASSERT_TRUE(c.calculado && !c.sinEstribos && !c.falla);
        const double raiz = std::sqrt(c.fc) * c.bv * c.d;  // √f'c bw d, Kgr
        Contiene(t, "Resistencia del hormigón | Vc = " + Coeficiente(c.Vc / raiz) + " √f'c bw d");
        Contiene(t, "Cortante de los estribos | Vs = Vu / φ − Vc ≤ " + Coeficiente(c.VsMax / raiz) +
                        " √f'c bw d");
        Contiene(t, "Separación máxima | Vs ≤ " + Coeficiente(c.VsBanda / raiz) + " √f'c bw d");
        Contiene(t, "Factor de reducción, cortante | φ = " + memoria::F2(2 * c.phiVcMedio / c.Vc));
        // Minimum stirrups: two legs of Av at fy over the spacing and width.
        Contiene(t, "Estribo mínimo (dos ramas de área Av) | 2 Av ≥ " +
                        Coeficiente(2 * c.Av * c.fy / (c.sMinimo * c.bv)) + " bw s / fy");

        for (const PasoFlexion* f : {&s.flexionPos, &s.flexionNeg}) {
            if (f->Mu == 0) continue;
            const double bd2 = f->fc * f->b * static_cast<double>(f->d) * f->d;
            Contiene(t, "Factor de reducción, flexión | φ = " + memoria::F2(f->Mu / (f->Rn * bd2)));
            // The neutral axis limit and the largest steel, against the balanced one.
            Contiene(t, ": k = " + Coeficiente(f->k * (0.003 + f->epsY) / 0.003) + " × 0.003");
            Contiene(t, "= " + Coeficiente(f->rhoMaxima / f->rhoBalanceada) + " ρb");
            // The two minimum-steel values of the row of this design (flange in
            // tension: the second one with √f'c and bf).
            const bool alma = p.seccion.TipoViga != kVigaRect && !f->conAla;
            const bool bw = alma || f->comportamiento == Comportamiento::T;
            const std::string w = bw ? "bw" : p.seccion.TipoViga == kVigaRect ? "b" : "bf";
            const double raizF = std::sqrt(f->fc), b1 = bw ? p.seccion.Bw : f->b;
            const double d1 = raizF * b1 * f->d,
                         d2 = alma ? raizF * p.seccion.Bf * f->d : b1 * f->d;
            Contiene(t, "máx(" + Coeficiente(f->AsMin1 * f->fy / d1) + " √f'c " + w + " d / fy, " +
                            Coeficiente(f->AsMin2 * f->fy / d2) + (alma ? " √f'c bf" : " " + w) +
                            " d / fy)");
        }

        // Cracking and the long-term factor (use 3): fr over √f'c; with no
        // compression steel, λ is the numerator of its rule.
        const PasoDeflexion& d = s.deflexion;
        const double fc = std::sqrt(texto::NumeroCampo(p.materiales.txtFc));
        Contiene(t, "Mcr = fr Ig / yt, fr = " + Coeficiente(d.positiva.fr / fc) + " √f'c;");
        if (d.rhoCompresion == 0) {
            Contiene(t, "(usos 3 y 4) | λ = " + Coeficiente(d.lambda) + " / (1 + 50 ρ')");
            ++sinCompresion;
        }
    }
    EXPECT_GT(sinCompresion, 0);
}

// The factors of the combinations, from the reactions of a simple beam with one
// point load at midspan: self weight alone with a "Muerta" load, then each
// other category with the self weight's factor taken away.
TEST(CriteriosDeDiseno, FactoresDeCargaDeLasReacciones) {
    // A factor with one decimal: "1.4", "1.0".
    auto Factor = [](double v) { return std::to_string(std::round(v * 10) / 10).substr(0, 3); };
    auto reacciones = [](float categoria) {
        return Calcular(Rectangular(6, 30, 50, {Puntual(3, 10, categoria, 6)}));
    };
    const ProyectoCalculado muerta = reacciones(kMuerta);
    const PasoReacciones& m = muerta.r.Pasos.reacciones;
    const double fD = m.R1Factorizada / m.R1Servicio;  // dead load and self weight alike
    const double propio = m.PesoPropio * 3;            // Tn, half the self weight on each support
    std::string combinacion = "U = " + Factor(fD) + " D";
    for (float categoria : {kViva, kOtros}) {
        const PasoReacciones& r = reacciones(categoria).r.Pasos.reacciones;
        combinacion += " + " + Factor((r.R1Factorizada - fD * propio) / 5) +
                       (categoria == kViva ? " L" : " Otros");
        EXPECT_NEAR(r.R1Servicio - propio, 5, 1e-4);  // the service case takes each load once
    }
    Contiene(Texto(muerta), combinacion + " + " + Factor(fD) + " PP");
}

// The comparisons with ACI 318-99 of a coefficient of √f'c (or of 1/fy):
// Korvex's is the one its rule states, ACI's the code's psi coefficient
// converted (1 Kgr/cm2 = 14.2233 psi), and the sense follows from the two.
TEST(CriteriosDeDiseno, DiferenciasConAciSegunSusCoeficientes) {
    std::map<std::string, std::vector<std::string>> filas;  // of the 4-column table, by rule
    const ProyectoCalculado p = Abierto("viga_rectangular.kvx");
    for (const Bloque& x : BloquesBajo(ConstruirMemoria(p, p.r), kCriterios)) {
        if (auto* t = std::get_if<TablaMemoria>(&x); t && t->encabezado.size() == 4) {
            for (const auto& f : t->filas) filas[f[0]] = f;
        }
    }
    constexpr double kPsi = 14.2233;  // psi per Kgr/cm2
    const double raiz = 1 / std::sqrt(kPsi);
    const struct {
        const char* regla;
        double aci;         // the code's coefficient in Kgr/cm2 units
        bool mayorProtege;  // a larger value is on the safe side
    } casos[] = {
        {"Resistencia del hormigón a cortante", 2 * raiz, false},  // 11.3.1.1, 2 √f'c
        {"Acero mínimo, segundo valor", 200 / kPsi, true},         // 10.5.1, 200 / fy
        {"Límite de la banda de separación", 4 * raiz, false},     // 11.5.4.3, 4 √f'c
        {"Mayor V_{s}", 8 * raiz, false},                          // 11.5.6.9, 8 √f'c
    };
    const std::regex numero(R"((\d+\.?\d*) (√f'_\{c\} )?b)");
    for (const auto& c : casos) {
        SCOPED_TRACE(c.regla);
        const std::vector<std::string>& fila = filas[c.regla];
        ASSERT_EQ(fila.size(), 4u);
        std::smatch k, a;
        ASSERT_TRUE(std::regex_search(fila[1], k, numero)) << fila[1];
        ASSERT_TRUE(std::regex_search(fila[2], a, numero)) << fila[2];
        const double korvex = std::stod(k[1]), codigo = std::stod(a[1]);
        EXPECT_NEAR(codigo, c.aci, codigo >= 10 ? 0.5 : 0.005) << a[1];  // half its last digit
        ASSERT_NE(korvex, codigo);
        const bool protege = c.mayorProtege == (korvex > codigo);
        EXPECT_EQ(fila[3], protege ? "más conservador" : "menos conservador");
    }
}

}  // namespace
}  // namespace korvex::pruebas
