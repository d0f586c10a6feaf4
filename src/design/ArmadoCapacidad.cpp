// Placement of bars in layers, their centroid, and phi Mn of a section with
// its actual bars by strain compatibility.
#include <algorithm>
#include <cmath>

#include "design/Armado.h"
#include "design/DatosDiseno.h"
#include "design/TablaVarillas.h"

namespace korvex {

double SeparacionLibreMinima(double db) {
    return std::max(kSeparacionMinima, db);
}

namespace {

// Clear width taken by bars `barras` in one layer with their clear spacing, cm.
double AnchoCapa(const std::vector<int>& barras) {
    double suma = 0, mayor = 0;
    for (int f : barras) {
        suma += kDiametroVarilla[static_cast<std::size_t>(f)];
        mayor = std::max(mayor, kDiametroVarilla[static_cast<std::size_t>(f)]);
    }
    return suma + (static_cast<double>(barras.size()) - 1) * SeparacionLibreMinima(mayor);
}

void Agrupar(const std::vector<int>& barras, int capa, std::vector<GrupoBarras>& g) {
    for (int f : barras) {
        if (!g.empty() && g.back().diametro == f && g.back().capa == capa) {
            ++g.back().cantidad;
        } else {
            g.push_back({1, f, capa});
        }
    }
}

}  // namespace

std::vector<GrupoBarras> Colocar(const std::vector<int>& barras, double anchoLibre) {
    if (barras.size() < 2) return {};
    std::vector<int> orden = barras;
    std::sort(orden.begin(), orden.end());  // row 0 is the largest bar
    std::vector<int> capa1, capa2;
    for (int f : orden) {
        std::vector<int> prueba = capa1;
        prueba.push_back(f);
        if (capa2.empty() && AnchoCapa(prueba) <= anchoLibre) {
            capa1 = std::move(prueba);
        } else {
            capa2.push_back(f);
        }
    }
    // Layer 1 holds the corner bars; layer 2 sits directly above its bars.
    if (capa1.size() < 2 || capa2.size() > capa1.size()) return {};
    if (!capa2.empty() && AnchoCapa(capa2) > anchoLibre) return {};
    std::vector<GrupoBarras> g;
    Agrupar(capa1, 1, g);
    Agrupar(capa2, 2, g);
    return g;
}

CentroideBarras Centroide(const std::vector<GrupoBarras>& g, double libreLateral) {
    CentroideBarras c;
    double mayor1 = 0;  // cm, largest bar of layer 1: layer 2 rests above it
    for (const GrupoBarras& x : g) {
        if (x.capa == 1)
            mayor1 = std::max(mayor1, kDiametroVarilla[static_cast<std::size_t>(x.diametro)]);
    }
    double momento = 0;
    c.extremo = 0;
    for (const GrupoBarras& x : g) {
        const double db = kDiametroVarilla[static_cast<std::size_t>(x.diametro)];
        const double A = x.cantidad * kAreaVarilla[static_cast<std::size_t>(x.diametro)];
        const double y = x.capa == 1 ? libreLateral + db / 2
                                     : libreLateral + mayor1 + kSeparacionMinima + db / 2;
        c.area += A;
        momento += A * y;
        if (x.capa == 1 && (c.extremo == 0 || y < c.extremo)) c.extremo = y;
    }
    c.centroide = c.area > 0 ? momento / c.area : 0;
    return c;
}

Capacidad CapacidadFlexion(const ReglasDiseno& reglas, double fc, double fy,
                           const SeccionCapacidad& sc) {
    Capacidad r;
    const double alfa = reglas.IntensidadBloque() * fc;  // Kgr/cm2
    const double ecu = reglas.DeformacionUltimaConcreto();
    const double beta1 = reglas.Beta1(fc);
    if (!(alfa > 0) || !(fy > 0) || !(sc.d > 0) || !(sc.As > 0) || !(sc.b > 0)) return r;
    const double Es = diseno::kEs;
    auto esfuerzo = [&](double eps) { return std::clamp(Es * eps, -fy, fy); };

    // Concrete force (Kgr) and depth of its centroid (cm) for a block of depth a.
    auto concreto = [&](double a, double& y) {
        if (sc.conAla && a > sc.hf) {
            const double Af = sc.b * sc.hf, Aw = sc.bw * (a - sc.hf);
            y = (Af * sc.hf / 2 + Aw * (sc.hf + a) / 2) / (Af + Aw);
            return alfa * (Af + Aw);
        }
        y = a / 2;
        return alfa * sc.b * a;
    };
    // Net force of the compression bars, Kgr (the concrete they displace off).
    auto compresion = [&](double c) {
        if (!(sc.Asc > 0)) return 0.0;
        const double fs = esfuerzo(ecu * (c - sc.dp) / c);
        const double desplazado = (beta1 * c > sc.dp && fs > 0) ? alfa : 0.0;
        return sc.Asc * (fs - desplazado);
    };
    auto equilibrio = [&](double c) {
        double y = 0;
        return concreto(beta1 * c, y) + compresion(c) - sc.As * esfuerzo(ecu * (sc.d - c) / c);
    };

    // Compression grows and tension falls with c: bisection on the depth.
    double lo = 1e-6 * sc.d, hi = 4 * sc.d;
    if (equilibrio(hi) < 0) return r;  // cannot balance: no capacity counted
    for (int i = 0; i < 200; ++i) {
        const double c = (lo + hi) / 2;
        (equilibrio(c) < 0 ? lo : hi) = c;
    }
    const double c = (lo + hi) / 2;
    double y = 0;
    const double Cc = concreto(beta1 * c, y);
    r.c = c;
    r.Mn = Cc * (sc.d - y) + compresion(c) * (sc.d - sc.dp);  // Kgr.cm about the tension steel
    r.epsT = ecu * (sc.dt - c) / c;
    r.phi = reglas.PhiFlexion(r.epsT, fy);
    r.phiMn = r.phi * r.Mn;
    return r;
}

}  // namespace korvex
