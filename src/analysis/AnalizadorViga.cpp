#include "analysis/AnalizadorViga.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "analysis/Analisis_Punto.h"

namespace korvex {

namespace {

// Self weight of concrete: 2.4 Tn/m3 times the area in cm2 times 1e-4 m2/cm2.
constexpr double kPesoPropioPorCm2 = 0.00024;  // Tn/m per cm2

// <x - a>^n, the difference taken in double precision (its sign, and so
// whether the term acts, is that of the Single comparison of x and a).
double Pot(float x, float a, int n) {
    const double d = static_cast<double>(x) - a;
    const double u = d > 0 ? d : 0.0;
    double r = 1;
    for (int i = 0; i < n; ++i) r *= u;
    return r;
}

// The supports J and K, m. The analysis finds the reactions by statics alone
// (two equations of equilibrium, two unknowns) and the elastic line by making
// the deflection zero at both: it solves a beam on exactly two supports.
struct Apoyos {
    float J = 0, K = 0;
};
Apoyos DosApoyos(const std::vector<float>& apoyos) {
    if (apoyos.size() != 2) {
        throw std::invalid_argument(std::to_string(apoyos.size()) +
                                    " apoyos: el análisis resuelve una viga isostática de dos.");
    }
    return {apoyos.front(), apoyos.back()};
}

}  // namespace

AnalizadorViga::AnalizadorViga(const DatosViga& datos, const PropiedadesSeccion& seccion,
                               const ReglasDiseno& reglas)
    : AnalizadorViga(datos, seccion, reglas, datos.cargas, true) {}

AnalizadorViga::AnalizadorViga(const DatosViga& datos, const PropiedadesSeccion& seccion,
                               const ReglasDiseno& reglas, std::vector<CargaViga> cargas,
                               bool pesoPropio)
    : L_(datos.longitud),
      J_(DosApoyos(datos.apoyos).J),
      K_(DosApoyos(datos.apoyos).K),
      w_(pesoPropio ? kPesoPropioPorCm2 * seccion.area : 0.0),
      E_(seccion.modulo),
      EI_(static_cast<double>(seccion.modulo) * seccion.inercia),
      combinaciones_(reglas.CombinacionesResistencia()),
      servicio_(reglas.CombinacionServicio()) {
    Preparar(cargas);
}

AnalizadorViga AnalizadorViga::ConServicio(const CombinacionCargas& servicio) const {
    // The constants of each load are those of the load itself; the sweep
    // factors them by the combination.
    AnalizadorViga a = *this;
    a.servicio_ = servicio;
    return a;
}

// Reactions and elastic-line constants of every load and of the self weight.
void AnalizadorViga::Preparar(const std::vector<CargaViga>& cargas) {
    const double luzApoyos = static_cast<double>(K_) - J_;
    cargas_.reserve(cargas.size());
    constantes_.reserve(cargas.size());
    for (const CargaViga& c : cargas) {
        double R1 = 0, R2 = 0;
        const double a = c.a, b = c.b;
        if (c.tipo == TipoCarga::Puntual) {
            R1 = c.p1 * (K_ - a) / luzApoyos;
            R2 = c.p1 * (a - J_) / luzApoyos;
        } else if (c.tipo == TipoCarga::Momento) {
            R1 = -c.p1 / luzApoyos;
            R2 = c.p1 / luzApoyos;
        } else if (c.tipo == TipoCarga::Distribuida) {
            // A uniform load P2 over b plus a triangle of height P1 - P2 at a.
            const double d = static_cast<double>(c.p1) - c.p2;
            R1 = (d * (b / 2) * (K_ - a - b / 3) + c.p2 * b * (K_ - a - b / 2)) / luzApoyos;
            R2 = (d * (b / 2) * (a + b / 3 - J_) + c.p2 * b * (a - J_ + b / 2)) / luzApoyos;
        }
        cargas_.push_back(c);
        constantes_.push_back(ConstantesElasticas(R1, R2, &c));
    }
    const double R1 = w_ * L_ * (K_ - L_ / 2.0) / luzApoyos;
    const double R2 = w_ * L_ * (L_ / 2.0 - J_) / luzApoyos;
    pesoPropio_ = ConstantesElasticas(R1, R2, nullptr);
}

AnalizadorViga::Terminos AnalizadorViga::TerminosCarga(const CargaViga& c, float x,
                                                       int combinacion) const {
    Terminos t;
    const double P1 = c.p1, P2 = c.p2;
    if (c.tipo == TipoCarga::Puntual) {
        t.Vq = P1 * Escalon(x - c.a, combinacion);
        t.Mq = P1 * Pot(x, c.a, 1);
        t.F1q = P1 / 2 * Pot(x, c.a, 2);
        t.F2q = P1 / 6 * Pot(x, c.a, 3);
    } else if (c.tipo == TipoCarga::Momento) {
        t.Mq = -P1 * Escalon(x - c.a, combinacion);
        t.F1q = -P1 * Pot(x, c.a, 1);
        t.F2q = -P1 / 2 * Pot(x, c.a, 2);
    } else if (c.tipo == TipoCarga::Distribuida) {
        const float a = c.a, e = c.fin;
        const double b = c.b;
        auto dif = [&](int n) { return Pot(x, a, n) - Pot(x, e, n); };
        // Uniform part: P1 when the load is uniform or increasing, P2 when decreasing.
        const double w = (c.p1 <= c.p2) ? P1 : P2;
        t.Vq = w * dif(1);
        t.Mq = w / 2 * dif(2);
        t.F1q = w / 6 * dif(3);
        t.F2q = w / 24 * dif(4);
        if (c.p1 < c.p2) {
            // Increasing: a triangle rising from 0 at a to P2 - P1 at e.
            const double s = (P2 - P1) / b;
            const double h = P2 - P1;
            t.Vq += s / 2 * dif(2) - h * Pot(x, e, 1);
            t.Mq += s / 6 * dif(3) - h / 2 * Pot(x, e, 2);
            t.F1q += s / 24 * dif(4) - h / 6 * Pot(x, e, 3);
            t.F2q += s / 120 * dif(5) - h / 24 * Pot(x, e, 4);
        } else if (c.p1 > c.p2) {
            // Decreasing: a triangle falling from P1 - P2 at a to 0 at e.
            const double d = P1 - P2;
            t.Vq += d * Pot(x, a, 1) - d / (2 * b) * dif(2);
            t.Mq += d / 2 * Pot(x, a, 2) - d / (6 * b) * dif(3);
            t.F1q += d / 6 * Pot(x, a, 3) - d / (24 * b) * dif(4);
            t.F2q += d / 24 * Pot(x, a, 4) - d / (120 * b) * dif(5);
        }
    }
    return t;
}

AnalizadorViga::Terminos AnalizadorViga::TerminosPesoPropio(float x) const {
    Terminos t;
    t.Vq = w_ * (Pot(x, 0, 1) - Pot(x, L_, 1));
    t.Mq = w_ / 2 * (Pot(x, 0, 2) - Pot(x, L_, 2));
    t.F1q = w_ / 6 * (Pot(x, 0, 3) - Pot(x, L_, 3));
    t.F2q = w_ / 24 * (Pot(x, 0, 4) - Pot(x, L_, 4));
    return t;
}

// C1 and C2 make the deflection zero at both supports:
// f(x) = F2q(x) - R1/6 <x - J>^3 - R2/6 <x - K>^3,
// C1 = (f(J) - f(K)) / (K - J), C2 = -f(J) - C1 J.
ConstantesCarga AnalizadorViga::ConstantesElasticas(double R1, double R2,
                                                    const CargaViga* c) const {
    auto f = [&](float x) {
        const double F2 = c ? TerminosCarga(*c, x, 3).F2q : TerminosPesoPropio(x).F2q;
        return F2 - R1 / 6 * Pot(x, J_, 3) - R2 / 6 * Pot(x, K_, 3);
    };
    ConstantesCarga k;
    k.R1 = R1;
    k.R2 = R2;
    const double fJ = f(J_), fK = f(K_);
    k.C1 = (fJ - fK) / (static_cast<double>(K_) - J_);
    k.C2 = -fJ - k.C1 * J_;
    return k;
}

void AnalizadorViga::Sumar(float X, int caso, const CombinacionCargas& u, double& V,
                           double& M) const {
    V = 0;
    M = 0;
    const double hJ = Escalon(X - J_, caso), hK = Escalon(X - K_, caso);
    const double mJ = Pot(X, J_, 1), mK = Pot(X, K_, 1);
    for (size_t i = 0; i < cargas_.size(); ++i) {
        const CargaViga& c = cargas_[i];
        const ConstantesCarga& k = constantes_[i];
        const double F = u.Factor(c.categoria);
        const Terminos t = TerminosCarga(c, X, caso);
        V += F * (t.Vq - k.R1 * hJ - k.R2 * hK);
        M += F * (t.Mq - k.R1 * mJ - k.R2 * mK);
    }
    // Self weight over the whole length.
    const double Fs = u.pesoPropio;
    const Terminos t = TerminosPesoPropio(X);
    const ConstantesCarga& k = pesoPropio_;
    V += Fs * (t.Vq - k.R1 * hJ - k.R2 * hK);
    M += Fs * (t.Mq - k.R1 * mJ - k.R2 * mK);
}

ValoresPunto AnalizadorViga::EvaluarDoble(float X) const {
    ValoresPunto r;
    for (int caso = 1; caso <= 2; ++caso) {
        // The envelope of the strength combinations: the largest magnitude
        // of each quantity, the first combination on a tie.
        double V = 0, M = 0;
        for (std::size_t j = 0; j < combinaciones_.size(); ++j) {
            double Vj = 0, Mj = 0;
            Sumar(X, caso, combinaciones_[j], Vj, Mj);
            if (j == 0 || std::fabs(Vj) > std::fabs(V)) V = Vj;
            if (j == 0 || std::fabs(Mj) > std::fabs(M)) M = Mj;
        }
        if (caso == 1) {
            r.CortanteDer = V;
            r.MomentoDer = M;
        } else {
            r.CortanteIzq = V;
            r.MomentoIzq = M;
        }
    }
    // Case 3: the service combination, its moment and the elastic line.
    double V = 0, M = 0;
    Sumar(X, 3, servicio_, V, M);
    double giro = 0, flecha = 0;
    for (size_t i = 0; i < cargas_.size(); ++i) {
        const ConstantesCarga& k = constantes_[i];
        const double F = servicio_.Factor(cargas_[i].categoria);
        const Terminos t = TerminosCarga(cargas_[i], X, 3);
        // Elastic line of each load alone, times its service factor.
        const double g = t.F1q - k.R1 / 2 * Pot(X, J_, 2) - k.R2 / 2 * Pot(X, K_, 2);
        const double f = t.F2q - k.R1 / 6 * Pot(X, J_, 3) - k.R2 / 6 * Pot(X, K_, 3);
        giro += F * (g + k.C1);
        flecha += F * (f + k.C1 * X + k.C2);
    }
    const Terminos t = TerminosPesoPropio(X);
    const ConstantesCarga& k = pesoPropio_;
    const double Fs = servicio_.pesoPropio;
    giro += Fs * (t.F1q - k.R1 / 2 * Pot(X, J_, 2) - k.R2 / 2 * Pot(X, K_, 2) + k.C1);
    flecha += Fs * (t.F2q - k.R1 / 6 * Pot(X, J_, 3) - k.R2 / 6 * Pot(X, K_, 3) + k.C1 * X + k.C2);
    r.MomentoServicio = M;
    // Rotation = slope integral / (E I); Flecha keeps the inertia in
    // (divided by E only). Without a modulus or a section they are 0.
    r.Giro = EI_ != 0 ? giro / EI_ : 0.0;
    r.Flecha = E_ != 0 ? -flecha / E_ : 0.0;
    return r;
}

ReaccionesApoyos AnalizadorViga::ReaccionesCombinacion(const CombinacionCargas& u) const {
    ReaccionesApoyos r;
    r.R1 = u.pesoPropio * pesoPropio_.R1;
    r.R2 = u.pesoPropio * pesoPropio_.R2;
    for (std::size_t i = 0; i < cargas_.size(); ++i) {
        const double F = u.Factor(cargas_[i].categoria);
        r.R1 += F * constantes_[i].R1;
        r.R2 += F * constantes_[i].R2;
    }
    return r;
}

PasoReacciones AnalizadorViga::Reacciones() const {
    PasoReacciones r;
    r.PesoPropio = w_;
    const ReaccionesApoyos s = ReaccionesCombinacion(servicio_);
    r.R1Servicio = s.R1;
    r.R2Servicio = s.R2;
    // Factored: the envelope of the strength combinations, each support's
    // reaction of the largest magnitude (the first combination on a tie).
    for (std::size_t j = 0; j < combinaciones_.size(); ++j) {
        const ReaccionesApoyos u = ReaccionesCombinacion(combinaciones_[j]);
        if (j == 0 || std::fabs(u.R1) > std::fabs(r.R1Factorizada)) r.R1Factorizada = u.R1;
        if (j == 0 || std::fabs(u.R2) > std::fabs(r.R2Factorizada)) r.R2Factorizada = u.R2;
    }
    return r;
}

ResultadoPunto AnalizadorViga::Evaluar(float X) const {
    const ValoresPunto v = EvaluarDoble(X);
    ResultadoPunto r;
    r.CortanteDer = static_cast<float>(v.CortanteDer);
    r.MomentoDer = static_cast<float>(v.MomentoDer);
    r.CortanteIzq = static_cast<float>(v.CortanteIzq);
    r.MomentoIzq = static_cast<float>(v.MomentoIzq);
    r.MomentoServicio = static_cast<float>(v.MomentoServicio);
    r.Giro = static_cast<float>(v.Giro);
    r.Flecha = static_cast<float>(v.Flecha);
    return r;
}

}  // namespace korvex
