// Where the cut bars of a face stop. The bars that run on resist phi Mn of
// their own; wherever the demand exceeds it a region of cut bars is needed.
// Each end of a cut bar is the farthest of: the theoretical cut-off point
// extended by max(d, 12 db); ld beyond the section of largest demand of the
// region; for top bars, the point of inflection extended by max(d, 12 db,
// ln/16) and, over a support with a cantilever beyond it, ld into the span.
// An end that would pass a support outside its region, or stop within its
// extension of the beam end, runs to the end. An end left in a tension zone
// of its face runs on until the shear conditions of such a cut hold.
#include "design/CortesBarras.h"

#include <algorithm>
#include <cmath>

#include "design/Armado.h"
#include "design/DatosDiseno.h"
#include "design/TablaVarillas.h"
#include "design/ZonasEstribos.h"

namespace korvex {

namespace {

constexpr double kCmAM = 0.01;              // cm -> m
constexpr double kKgcmATnm = 1.0 / 100000;  // Kgr.cm -> Tn.m
constexpr double kHolgura = 1e-6;           // m, of abscissas compared

double Db(int fila) {
    return kDiametroVarilla[static_cast<std::size_t>(std::clamp(fila, 0, 3))];
}
double Area(int fila) {
    return kAreaVarilla[static_cast<std::size_t>(std::clamp(fila, 0, 3))];
}
double X(const ResultadoAnalisis& a, int i) {
    return a.DiagX[static_cast<std::size_t>(i)];
}
int Estaciones(const ResultadoAnalisis& a, const std::vector<float>& m) {
    return std::min(
        {a.NumEstaciones, static_cast<int>(a.DiagX.size()) - 1, static_cast<int>(m.size()) - 1});
}

// A run of stations where the demand exceeds phi Mn of the running bars,
// with its theoretical cut-off points (m) and its station of largest demand.
struct Region {
    int i0 = 0, i1 = 0, iMax = 0;
    double tIzq = 0, tDer = 0;
    bool alInicio = false, alFinal = false;  // the demand exceeds it at the end of the beam
};

// Where the demand crosses `cap` between stations i and j (demand at i <= cap < at j).
double Cruce(const ResultadoAnalisis& a, const std::vector<float>& m, int i, int j, double cap) {
    const double mi = m[static_cast<std::size_t>(i)], mj = m[static_cast<std::size_t>(j)];
    const double f = mj > mi ? std::clamp((cap - mi) / (mj - mi), 0.0, 1.0) : 1.0;
    return X(a, i) + f * (X(a, j) - X(a, i));
}

std::vector<Region> Regiones(const ResultadoAnalisis& a, const std::vector<float>& m, double cap) {
    std::vector<Region> regiones;
    const int n = Estaciones(a, m);
    for (int i = 1; i <= n; ++i) {
        if (!(m[static_cast<std::size_t>(i)] > cap)) continue;
        if (regiones.empty() || regiones.back().i1 != i - 1) regiones.push_back({i, i, i});
        Region& g = regiones.back();
        g.i1 = i;
        if (m[static_cast<std::size_t>(i)] > m[static_cast<std::size_t>(g.iMax)]) g.iMax = i;
    }
    for (Region& g : regiones) {
        g.alInicio = g.i0 == 1;
        g.alFinal = g.i1 == n;
        g.tIzq = g.alInicio ? X(a, 1) : Cruce(a, m, g.i0 - 1, g.i0, cap);
        g.tDer = g.alFinal ? X(a, n) : Cruce(a, m, g.i1 + 1, g.i1, cap);
    }
    return regiones;
}

struct Extremo {
    double x = 0;
    ReglaExtremo regla = ReglaExtremo::ExtremoViga;
};

// What one end of a group of cut bars depends on.
struct Corte {
    const ContextoDespiece* k = nullptr;
    const SeccionCara* s = nullptr;
    const std::vector<float>* m = nullptr;
    const std::vector<float>* opuesta = nullptr;  // Tn.m, the demand of the other sign
    double phiMnFraccion = 0;                     // Tn.m, the running bars with 1/2 of their area
};

// The end of the beam less the clear cover on side `dir` (-1 left, +1 right).
Extremo AlExtremo(const ContextoDespiece& k, int dir) {
    return {dir < 0 ? k.recubrimiento : k.L - k.recubrimiento, ReglaExtremo::ExtremoViga};
}

// The end at x would pass a support outside the region (theoretical point
// t), or stop within `ext` (m) of the end of the beam.
bool HastaElExtremo(const ContextoDespiece& k, double x, double t, double ext, int dir) {
    for (const double apoyo : {k.J, k.K}) {
        if (dir * (x - apoyo) > kHolgura && dir * (apoyo - t) > kHolgura) return true;
    }
    return dir < 0 ? x < ext : k.L - x < ext;
}

// The conditions of a bar cut in a tension zone, at station i: Vu <= 2/3
// phi Vn, or the bars that run on give twice the area flexure needs and Vu
// <= 3/4 phi Vn.
bool CorteAdmisible(const Corte& c, int i) {
    const ContextoDespiece& k = *c.k;
    const double Vu = CortanteEstacion(*k.a, i) * diseno::kTnAKg;  // Kgr
    const double phiVn = PhiVnEn(*k.r, *k.reglas, X(*k.a, i));
    if (Vu <= k.corte.fraccionCortante * phiVn) return true;
    return c.phiMnFraccion >= (*c.m)[static_cast<std::size_t>(i)] &&
           Vu <= k.corte.fraccionCortanteArea * phiVn;
}

// One end (dir -1 left, +1 right) of the cut bars of row `fila` of region g.
Extremo ExtremoCorte(const Corte& c, const Region& g, int fila, int dir) {
    const ContextoDespiece& k = *c.k;
    const ResultadoAnalisis& a = *k.a;
    const std::vector<float>& m = *c.m;
    if (dir < 0 ? g.alInicio : g.alFinal) return AlExtremo(k, dir);
    const ArmadoCara& cara = *c.s->armado;
    const double d = cara.dReal;  // cm
    const double ext = ExtensionCorte(k, d, fila) * kCmAM;
    const double ld =
        k.reglas->LongitudDesarrollo(c.s->fc, c.s->fy, static_cast<float>(Db(fila)), !cara.inferior)
            .ld *
        kCmAM;
    const double t = dir < 0 ? g.tIzq : g.tDer;

    Extremo e{t + dir * ext, ReglaExtremo::Extension};
    const auto masLejos = [&](double x, ReglaExtremo regla) {
        if (dir * (x - e.x) > kHolgura) e = {x, regla};
    };
    masLejos(X(a, g.iMax) + dir * ld, ReglaExtremo::DesarrolloMaximo);
    if (!cara.inferior) {
        // The point of inflection: where the hogging moment vanishes beyond
        // the cut-off, inside the beam (the zero at a free end or an end
        // support is no inflection), between the two stations around it.
        const int n = Estaciones(a, m);
        for (int i = dir < 0 ? g.i0 : g.i1; i > 1 && i < n; i += dir) {
            if (!(m[static_cast<std::size_t>(i)] > 0)) {
                // the moment with its sign between the last station that hogs and this one
                const std::size_t p = static_cast<std::size_t>(i - dir);
                const double antes = m[p], despues = -(*c.opuesta)[static_cast<std::size_t>(i)];
                const double f = antes > despues ? antes / (antes - despues) : 1.0;
                const double pi = X(a, i - dir) + f * (X(a, i) - X(a, i - dir));
                masLejos(pi + dir * ExtensionInflexion(k, d, fila) * kCmAM,
                         ReglaExtremo::PuntoInflexion);
                break;
            }
        }
        // Over a support with a cantilever beyond it: ld into the span.
        const auto sobre = [&](double apoyo) {
            return apoyo >= g.tIzq - kHolgura && apoyo <= g.tDer + kHolgura;
        };
        if (dir > 0 && k.vueloIzquierdo && sobre(k.J))
            masLejos(k.J + ld, ReglaExtremo::DesarrolloApoyo);
        if (dir < 0 && k.vueloDerecho && sobre(k.K))
            masLejos(k.K - ld, ReglaExtremo::DesarrolloApoyo);
    }

    // In a tension zone of its face the bar runs on until the conditions hold.
    const int n = Estaciones(a, m);

    for (int i = EstacionDe(a, e.x);;) {
        if (HastaElExtremo(k, e.x, t, ext, dir)) return AlExtremo(k, dir);
        if (!(m[static_cast<std::size_t>(i)] > 0) || CorteAdmisible(c, i)) return e;
        i += dir;
        if (i < 1 || i > n) return AlExtremo(k, dir);
        if (dir * (X(a, i) - e.x) > 0) e = {X(a, i), ReglaExtremo::ZonaTraccion};
    }
}

}  // namespace

BarraDespiece Barra(bool inferior, FuncionBarra f, const GrupoBarras& g) {
    BarraDespiece b;
    b.inferior = inferior;
    b.funcion = f;
    b.cantidad = g.cantidad;
    b.diametro = g.diametro;
    b.capa = g.capa;
    return b;
}

double ExtensionCorte(const ContextoDespiece& k, double d, int fila) {
    return std::max(d, k.corte.diametrosExtension * Db(fila));
}

double ExtensionInflexion(const ContextoDespiece& k, double d, int fila) {
    const double ln = (k.K - k.J) / kCmAM;  // cm, between the supports
    return std::max(ExtensionCorte(k, d, fila), ln / k.corte.divisorInflexion);
}

double FraccionCorrida(const ContextoDespiece& k) {
    return k.vueloIzquierdo && k.vueloDerecho ? k.corte.fraccionApoyoContinuo
                                              : k.corte.fraccionApoyo;
}

Reparto RepartirBarras(const std::vector<GrupoBarras>& barras, double fraccion) {
    // Every bar in the order it is taken to run: the corners of layer 1 (its
    // largest bar), the rest of layer 1, then layer 2, largest first.
    std::vector<GrupoBarras> orden;
    double total = 0;
    for (const GrupoBarras& g : barras) total += g.cantidad * Area(g.diametro);
    for (int capa : {1, 2}) {
        for (int fila = 0; fila < 4; ++fila) {
            for (const GrupoBarras& g : barras) {
                if (g.capa != capa || g.diametro != fila) continue;
                for (int n = 0; n < g.cantidad; ++n) orden.push_back({1, fila, capa});
            }
        }
    }
    Reparto r;
    double area = 0;
    for (std::size_t i = 0; i < orden.size(); ++i) {
        std::vector<GrupoBarras>& destino =
            (i < 2 || area < fraccion * total - 1e-9) ? r.corridas : r.cortadas;
        if (&destino == &r.corridas) area += Area(orden[i].diametro);
        if (!destino.empty() && destino.back().diametro == orden[i].diametro &&
            destino.back().capa == orden[i].capa) {
            ++destino.back().cantidad;
        } else {
            destino.push_back(orden[i]);
        }
    }
    return r;
}

std::vector<BarraDespiece> BarrasTraccion(const ContextoDespiece& k, const SeccionCara& s,
                                          const std::vector<float>& demanda) {
    const ArmadoCara& cara = *s.armado;
    const bool inferior = cara.inferior;
    Reparto rp = RepartirBarras(cara.barras, FraccionCorrida(k));
    const double capCorridas = PhiMnBarras(s, rp.corridas, *k.reglas) * kKgcmATnm;
    const std::vector<Region> regiones =
        rp.cortadas.empty() ? std::vector<Region>{} : Regiones(*k.a, demanda, capCorridas);
    if (regiones.empty()) {
        // The running bars alone resist the demand: every bar runs.
        rp.corridas = cara.barras;
        rp.cortadas.clear();
    }

    std::vector<BarraDespiece> out;
    for (const GrupoBarras& g : rp.corridas) {
        BarraDespiece b = Barra(inferior, FuncionBarra::Corrida, g);
        b.desde = b.corteDesde = static_cast<float>(k.recubrimiento);
        b.hasta = b.corteHasta = static_cast<float>(k.L - k.recubrimiento);
        out.push_back(b);
    }
    const std::vector<float> opuesta = DemandaCara(*k.a, !inferior);
    Corte c{&k, &s, &demanda, &opuesta,
            PhiMnBarras(s, rp.corridas, *k.reglas, 1 / k.corte.factorArea) * kKgcmATnm};
    for (const GrupoBarras& g : rp.cortadas) {
        // The regions left to right; bars of neighbouring regions that meet
        // or overlap are one bar.
        std::vector<BarraDespiece> grupo;
        for (const Region& r : regiones) {
            const Extremo izq = ExtremoCorte(c, r, g.diametro, -1);
            const Extremo der = ExtremoCorte(c, r, g.diametro, +1);
            BarraDespiece b = Barra(inferior, FuncionBarra::Corte, g);
            b.desde = static_cast<float>(izq.x);
            b.hasta = static_cast<float>(der.x);
            b.reglaDesde = izq.regla;
            b.reglaHasta = der.regla;
            b.corteDesde = static_cast<float>(r.alInicio ? izq.x : r.tIzq);
            b.corteHasta = static_cast<float>(r.alFinal ? der.x : r.tDer);
            if (!grupo.empty() && b.desde <= grupo.back().hasta) {
                grupo.back().hasta = b.hasta;
                grupo.back().reglaHasta = b.reglaHasta;
                grupo.back().corteHasta = b.corteHasta;
            } else {
                grupo.push_back(b);
            }
        }
        out.insert(out.end(), grupo.begin(), grupo.end());
    }
    return out;
}

}  // namespace korvex
