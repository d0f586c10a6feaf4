// The part "Criterios de diseño" of the calculation report: each coefficient
// it states is the one the calculation used, read back from the record of
// the design of the examples (a ratio of recorded values) or from the
// reactions of a beam with a single load; and each comparison with ACI
// 318-99 converts the code's coefficient from psi and says the right sense.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <variant>

#include "comun/Memoria.h"
#include "comun/Vigas.h"
#include "project/Calculo.h"
#include "project/Memoria.h"
#include "project/MemoriaTexto.h"
#include "text/Numeros.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;

Proyecto Abierto(const char* ejemplo, int uso = 1) {
    Proyecto p;
    p.materiales.UsoDeflexion = uso;
    InterfazRegistro ui;
    EXPECT_TRUE(AbrirProyecto(Ejemplo(ejemplo), p, ui).calculo.calculado) << ejemplo;
    return p;
}

// The blocks of the part "Criterios de diseño", up to the next part.
std::vector<Bloque> Parte(const Proyecto& p) {
    const std::vector<Bloque> b = ConstruirMemoria(p);
    std::vector<Bloque> parte;
    bool dentro = false;
    for (const Bloque& x : b) {
        if (auto* e = std::get_if<Encabezado>(&x); e && e->nivel == 1) {
            dentro = e->texto.ends_with("Criterios de diseño");
        }
        if (dentro) parte.push_back(x);
    }
    return parte;
}

// The plain text of the part, one text per row or paragraph.
std::string Texto(const Proyecto& p) {
    std::string t;
    for (const std::string& x : pruebas::TextosMemoria(Parte(p), " | ")) t += x + "\n";
    return t;
}

// A recorded ratio with two significant digits past the point at most, as
// the rules write their coefficients ("0.55", "2.1", "14.5", "0.85").
std::string Coeficiente(double v) {
    return memoria::Cifras(v, v >= 10 ? 3 : 2);
}

// A load factor, one decimal ("1.4", "1.0").
std::string Factor(double v) {
    char t[16];
    std::snprintf(t, sizeof t, "%.1f", v);
    return t;
}

void Contiene(const std::string& texto, const std::string& buscado) {
    EXPECT_NE(texto.find(buscado), std::string::npos) << buscado;
}

// Shear, flexure and the effective inertia of the three examples: the
// coefficient of each rule is the ratio of the recorded values.
TEST(CriteriosDeDiseno, CoeficientesDeLosPasosRegistrados) {
    int sinCompresion = 0;
    for (const char* ejemplo :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(ejemplo);
        const Proyecto p = Abierto(ejemplo, 3);
        const PasosCalculo& s = p.estado.Pasos;
        const std::string t = Texto(p);
        ASSERT_FALSE(t.empty());

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
            // The two minimum-steel values of the row of this design.
            const double raizF = std::sqrt(f->fc);
            const bool alma = p.seccion.TipoViga != kVigaRect && !f->conAla;
            const bool conT = f->comportamiento == Comportamiento::T;
            const double b1 = alma || conT ? p.seccion.Bw : f->b;
            const double b2 = alma ? p.seccion.Bf : b1;
            const std::string w1 = alma || conT                      ? "bw"
                                   : p.seccion.TipoViga == kVigaRect ? "b"
                                                                     : "bf";
            const std::string w2 = alma ? "bf" : w1;
            const std::string min1 = Coeficiente(f->AsMin1 * f->fy / (raizF * b1 * f->d));
            const std::string min2 = alma ? Coeficiente(f->AsMin2 * f->fy / (raizF * b2 * f->d))
                                          : Coeficiente(f->AsMin2 * f->fy / (b2 * f->d));
            Contiene(t, "máx(" + min1 + " √f'c " + w1 + " d / fy, " + min2 +
                            (alma ? " √f'c " : " ") + w2 + " d / fy)");
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

// The factors of the combinations, from the reactions of a simple beam with
// one point load at midspan: self weight alone with a "Muerta" load, then
// each other category with the self weight's factor taken away.
TEST(CriteriosDeDiseno, FactoresDeCargaDeLasReacciones) {
    auto reacciones = [](float categoria) {
        Proyecto p = pruebas::Rectangular(6, 30, 50, {pruebas::Puntual(3, 10, categoria, 6)});
        InterfazRegistro ui;
        EXPECT_TRUE(RealizarCalculos(p, ui).calculado);
        return p;
    };
    const Proyecto muerta = reacciones(kMuerta);
    const PasoReacciones& m = muerta.estado.Pasos.reacciones;
    const double fD = m.R1Factorizada / m.R1Servicio;  // dead load and self weight alike
    const std::string t = Texto(muerta);
    const double propio = m.PesoPropio * 3;  // Tn, half the self weight on each support
    std::string combinacion = "U = " + Factor(fD) + " D";
    for (float categoria : {kViva, kOtros}) {
        const PasoReacciones& r = reacciones(categoria).estado.Pasos.reacciones;
        combinacion += " + " + Factor((r.R1Factorizada - fD * propio) / 5) +
                       (categoria == kViva ? " L" : " Otros");
        EXPECT_NEAR(r.R1Servicio - propio, 5, 1e-4);  // the service case takes each load once
    }
    Contiene(t, combinacion + " + " + Factor(fD) + " PP");
}

// The comparisons with ACI 318-99 of a coefficient of √f'c (or of 1/fy):
// Korvex's is the one its rule states, ACI's the code's psi coefficient
// converted (1 Kgr/cm2 = 14.2233 psi), and the sense follows from the two.
TEST(CriteriosDeDiseno, DiferenciasConAciSegunSusCoeficientes) {
    const std::vector<Bloque> b = Parte(Abierto("viga_rectangular.kvx"));
    const TablaMemoria* aci = nullptr;
    for (const Bloque& x : b) {
        if (auto* t = std::get_if<TablaMemoria>(&x); t && t->encabezado.size() == 4) aci = t;
    }
    ASSERT_NE(aci, nullptr);
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
        const std::vector<std::string>* fila = nullptr;
        for (const auto& f : aci->filas) {
            if (f[0] == c.regla) fila = &f;
        }
        ASSERT_NE(fila, nullptr);
        std::smatch k, a;
        ASSERT_TRUE(std::regex_search((*fila)[1], k, numero)) << (*fila)[1];
        ASSERT_TRUE(std::regex_search((*fila)[2], a, numero)) << (*fila)[2];
        const double korvex = std::stod(k[1]), codigo = std::stod(a[1]);
        EXPECT_NEAR(codigo, c.aci, 0.5 * std::pow(10.0, -2) * (codigo >= 10 ? 100 : 1)) << a[1];
        ASSERT_NE(korvex, codigo);
        const bool protege = c.mayorProtege == (korvex > codigo);
        EXPECT_EQ((*fila)[3], protege ? "más conservador" : "menos conservador");
    }
}

}  // namespace
}  // namespace korvex
