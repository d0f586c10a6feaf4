#include "analysis/Alternancia.h"

#include <algorithm>
#include <cmath>

#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"
#include "analysis/Calculos_Diagramas.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

int ZonaDe(float x, float J, float K) {
    if (x < J) return kVueloIzquierdo;
    if (x > K) return kVueloDerecho;
    return kTramo;
}

// The pieces of a distributed load between its cuts at the supports, each
// in the zone that holds it, with the intensity interpolated at each cut.
void CortarDistribuida(const Carga& c, float J, float K, CargasPorZona& z) {
    const double largo = static_cast<double>(c.Fin) - c.A;  // m, over which P1 -> P2
    std::vector<float> puntos{c.A};
    for (float apoyo : {J, K}) {
        if (largo > 0 && c.A < apoyo && apoyo < c.Fin) puntos.push_back(apoyo);
    }
    puntos.push_back(c.Fin);
    auto intensidad = [&](float x) {  // Tn/m at x
        if (x == c.A) return c.P1;
        if (x == c.Fin) return c.P2;
        return static_cast<float>(c.P1 + (static_cast<double>(c.P2) - c.P1) * (x - c.A) / largo);
    };
    // Each piece lies in the zone of its midpoint (a load from K to L is on
    // the right cantilever although K itself belongs to the span).
    auto zona = [&](float s, float t) {
        return static_cast<std::size_t>(ZonaDe(s + (t - s) / 2, J, K));
    };
    if (puntos.size() == 2) {
        z.vivas[zona(c.A, c.Fin)].push_back(c);
        return;
    }
    for (std::size_t i = 0; i + 1 < puntos.size(); ++i) {
        const float s = puntos[i], t = puntos[i + 1];
        Carga pieza = c;
        pieza.A = s;
        pieza.Fin = t;
        pieza.B = t - s;
        pieza.C = c.C + (c.Fin - t);
        pieza.P1 = intensidad(s);
        pieza.P2 = intensidad(t);
        z.vivas[zona(s, t)].push_back(pieza);
    }
}

// The five station values of one arrangement, as the diagrams store them.
struct Muestra {
    float V;       // Tn, factored shear, analysis sign
    float M;       // Tn.m, factored moment, analysis sign
    float Ms;      // Tn.m, service moment, analysis sign
    float giro;    // rad
    float flecha;  // m5
};

// One of the eight extremes: which of two values is worse.
struct Criterio {
    float ExtremosDiagramas::*valor;
    float PosicionExtremos::*x;
    ExtremoEnvolvente ExtremosEnvolvente::*destino;
    bool menor;  // the smaller (more negative) is worse
};
constexpr Criterio kCriterios[] = {
    {&ExtremosDiagramas::CortanteMaxAbs, &PosicionExtremos::CortanteMaxAbs,
     &ExtremosEnvolvente::CortanteMaxAbs, false},
    {&ExtremosDiagramas::CortanteMax, &PosicionExtremos::CortanteMax,
     &ExtremosEnvolvente::CortanteMax, false},
    {&ExtremosDiagramas::CortanteMin, &PosicionExtremos::CortanteMin,
     &ExtremosEnvolvente::CortanteMin, true},
    {&ExtremosDiagramas::MomentoPosMax, &PosicionExtremos::MomentoPosMax,
     &ExtremosEnvolvente::MomentoPosMax, false},
    {&ExtremosDiagramas::MomentoNegMax, &PosicionExtremos::MomentoNegMax,
     &ExtremosEnvolvente::MomentoNegMax, true},
    {&ExtremosDiagramas::MomentoMaxAbs, &PosicionExtremos::MomentoMaxAbs,
     &ExtremosEnvolvente::MomentoMaxAbs, false},
    {&ExtremosDiagramas::GiroMax, &PosicionExtremos::GiroMax, &ExtremosEnvolvente::GiroMax, false},
    {&ExtremosDiagramas::FlechaMax, &PosicionExtremos::FlechaMax, &ExtremosEnvolvente::FlechaMax,
     false},
};

}  // namespace

CargasPorZona RepartirCargas(const EstadoProyecto& e) {
    CargasPorZona z;
    const int n = std::min<int>(e.NumCargas, static_cast<int>(e.Cargas.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        if (c.Categoria != kViva) {
            z.permanentes.push_back(c);
        } else if (c.Tipo == kDistribuida) {
            CortarDistribuida(c, e.DistJ, e.DistK, z);
        } else {
            z.vivas[static_cast<std::size_t>(ZonaDe(c.A, e.DistJ, e.DistK))].push_back(c);
        }
    }
    return z;
}

void CalcularEnvolvente(EstadoProyecto& e) {
    EnvolventeViva& env = e.Envolvente;
    env = EnvolventeViva{};
    const int N = e.NumEstaciones;
    const std::vector<float> X(e.DiagX.begin() + 1, e.DiagX.begin() + 1 + N);

    // The permanent part and each zone's live part, swept once each.
    const CargasPorZona z = RepartirCargas(e);
    const Estaciones permanente = Barrer(AnalizadorViga(e, z.permanentes, true), X);
    std::array<Estaciones, kZonas> vivas;
    std::vector<int> zonas;  // zones that carry live load
    for (int k = 0; k < kZonas; ++k) {
        if (z.vivas[static_cast<std::size_t>(k)].empty()) continue;
        zonas.push_back(k);
        vivas[static_cast<std::size_t>(k)] =
            Barrer(AnalizadorViga(e, z.vivas[static_cast<std::size_t>(k)], false), X);
    }

    // Arrangements: every subset of those zones, the whole set first.
    const int arreglos = 1 << zonas.size();
    std::vector<ZonasVivas> activas(static_cast<std::size_t>(arreglos));
    for (int a = 0; a < arreglos; ++a) {
        const int mascara = arreglos - 1 - a;
        for (std::size_t j = 0; j < zonas.size(); ++j) {
            activas[static_cast<std::size_t>(a)][static_cast<std::size_t>(zonas[j])] =
                (mascara >> j) & 1;
        }
    }
    auto muestra = [&](int a, std::size_t i) -> Muestra {
        if (a == 0) {  // all loaded: the sampled diagrams themselves
            const std::size_t k = i + 1;
            return {-e.DiagCortante[k], e.DiagMomento[k], -e.DiagMomentoServicio[k], e.DiagGiro[k],
                    e.DiagFlecha[k]};
        }
        double v[5] = {permanente.CortanteIzq[i], permanente.MomentoIzq[i],
                       permanente.MomentoServicio[i], permanente.Giro[i], permanente.Flecha[i]};
        for (int k : zonas) {
            if (!activas[static_cast<std::size_t>(a)][static_cast<std::size_t>(k)]) continue;
            const Estaciones& s = vivas[static_cast<std::size_t>(k)];
            v[0] += s.CortanteIzq[i];
            v[1] += s.MomentoIzq[i];
            v[2] += s.MomentoServicio[i];
            v[3] += s.Giro[i];
            v[4] += s.Flecha[i];
        }
        return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2]),
                static_cast<float>(v[3]), static_cast<float>(v[4])};
    };

    for (auto* v : {&env.CortanteMax, &env.CortanteMin, &env.MomentoMax, &env.MomentoMin,
                    &env.ServicioMax, &env.ServicioMin, &env.GiroMax, &env.FlechaMax}) {
        v->assign(static_cast<std::size_t>(N) + 1, 0.0f);
    }
    std::vector<ExtremosDiagramas> extremos(static_cast<std::size_t>(arreglos));
    for (std::size_t i = 0; i < X.size(); ++i) {
        const std::size_t k = i + 1;
        for (int a = 0; a < arreglos; ++a) {
            const Muestra m = muestra(a, i);
            extremos[static_cast<std::size_t>(a)].Agregar(m.V, m.M, m.giro, m.flecha, X[i]);
            const bool primero = a == 0;
            auto envolver = [&](std::vector<float>& mayor, std::vector<float>& menor, float v) {
                if (primero || v > mayor[k]) mayor[k] = v;
                if (primero || v < menor[k]) menor[k] = v;
            };
            envolver(env.CortanteMax, env.CortanteMin, -m.V + 0.0f);
            envolver(env.MomentoMax, env.MomentoMin, m.M);
            envolver(env.ServicioMax, env.ServicioMin, -m.Ms + 0.0f);
            if (primero || std::fabs(m.giro) > env.GiroMax[k]) env.GiroMax[k] = std::fabs(m.giro);
            if (primero || std::fabs(m.flecha) > env.FlechaMax[k]) {
                env.FlechaMax[k] = std::fabs(m.flecha);
            }
        }
    }

    // The worst of each extreme over the arrangements, in their order.
    for (ExtremosDiagramas& x : extremos) x.SignoMostrado();
    for (const Criterio& c : kCriterios) {
        ExtremoEnvolvente& d = env.Extremos.*c.destino;
        for (int a = 0; a < arreglos; ++a) {
            const ExtremosDiagramas& x = extremos[static_cast<std::size_t>(a)];
            const float v = x.*c.valor;
            if (a == 0 || (c.menor ? v < d.valor : v > d.valor)) {
                d = {v, x.x.*c.x, activas[static_cast<std::size_t>(a)]};
            }
        }
    }
    env.arreglos = arreglos;
    env.calculada = true;
}

void UsarEnvolvente(EstadoProyecto& e) {
    const ExtremosEnvolvente& x = e.Envolvente.Extremos;
    ExtremosDiagramas d;
    d.CortanteMaxAbs = x.CortanteMaxAbs.valor;
    d.CortanteMax = x.CortanteMax.valor;
    d.CortanteMin = x.CortanteMin.valor;
    d.MomentoPosMax = x.MomentoPosMax.valor;
    d.MomentoNegMax = x.MomentoNegMax.valor;
    d.MomentoMaxAbs = x.MomentoMaxAbs.valor;
    d.GiroMax = x.GiroMax.valor;
    d.FlechaMax = x.FlechaMax.valor;
    d.x = {x.CortanteMaxAbs.x, x.CortanteMax.x,   x.CortanteMin.x, x.MomentoPosMax.x,
           x.MomentoNegMax.x,  x.MomentoMaxAbs.x, x.GiroMax.x,     x.FlechaMax.x};
    GuardarExtremos(e, d);
}

std::string AvisoAlternancia(const EstadoProyecto& e) {
    if (!e.Envolvente.calculada || e.AlternanciaViva) return {};
    const ExtremosEnvolvente& x = e.Envolvente.Extremos;
    // Worse by more than 2 % plus 0.01 of the design value.
    auto peor = [](float alternada, float diseno) {
        return std::fabs(alternada) > std::fabs(diseno) * 1.02 + 0.01;
    };
    auto dos = [](float v) { return texto::Formato(v, "###,##0.00"); };
    std::vector<std::string> partes;
    if (peor(x.MomentoPosMax.valor, e.MomentoPosMax)) {
        partes.push_back("M(+) = " + dos(x.MomentoPosMax.valor) +
                         " Tn.m (diseño: " + dos(e.MomentoPosMax) + ")");
    }
    if (peor(x.MomentoNegMax.valor, e.MomentoNegMax)) {
        partes.push_back("M(-) = " + dos(x.MomentoNegMax.valor) +
                         " Tn.m (diseño: " + dos(e.MomentoNegMax) + ")");
    }
    if (peor(x.CortanteMaxAbs.valor, e.CortanteMaxAbs)) {
        partes.push_back("V = " + dos(x.CortanteMaxAbs.valor) +
                         " Tn (diseño: " + dos(e.CortanteMaxAbs) + ")");
    }
    if (partes.empty()) return {};
    std::string t = "Con carga viva alternada: ";
    for (std::size_t i = 0; i < partes.size(); ++i) t += (i ? ", " : "") + partes[i];
    return t + ". Active «Alternar carga viva».";
}

}  // namespace korvex
