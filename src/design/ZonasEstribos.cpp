#include "design/ZonasEstribos.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "design/DatosDiseno.h"
#include "design/DisenoCortante.h"

namespace korvex {

using diseno::ASimple;
using diseno::kTnAKg;

float CortanteEstacion(const ResultadoAnalisis& a, int i) {
    const auto k = static_cast<std::size_t>(i);
    const EnvolventeViva& e = a.Envolvente;
    if (a.UsaEnvolvente && e.calculada && k < e.CortanteMax.size() && k < e.CortanteMin.size()) {
        return std::max(std::fabs(e.CortanteMax[k]), std::fabs(e.CortanteMin[k]));
    }
    return k < a.DiagCortante.size() ? std::fabs(a.DiagCortante[k]) : 0.0f;
}

float SeparacionRequerida(const ReglasDiseno& reglas, const PasoCortante& x, float Vu) {
    // As the single spacing: Vs = Vu / phi - Vc, negative below phi Vc.
    const float Vs = ASimple(Vu / reglas.PhiCortante() - x.Vc);
    return EspaciamientoEstribo(reglas, Vs, x.Av, x.fc, x.fyt, x.bv, x.d);
}

namespace {

constexpr double kHolgura = 1e-6;         // of a count against rounding of the abscissas
constexpr double kMediaEstacion = 0.005;  // m, half the step of the stations

// A spacing truncated to whole cm, as the stirrup text shows it (at least 1 cm).
int CmEnteros(float s) {
    const double t = std::trunc(static_cast<double>(s));
    return t >= 1 ? static_cast<int>(std::min(t, 1000.0)) : 1;
}

// A station seen from a support: its distance (m) and the spacing it needs (cm).
struct Estacion {
    double dist = 0;
    int s = 0;
};

// A zone measured from the support: distances d0 < d1 (m).
struct ZonaLado {
    double d0 = 0, d1 = 0;
    int cantidad = 0, separacion = 0;
};

// The zones of one side of a support, outward, but for the largest spacing,
// which the caller lays to the middle of the span or to the free end.
struct Lado {
    std::vector<ZonaLado> zonas;
    double ultimoEstribo = 0;  // m from the support; meaningful with zones
    int primera = 0;           // cm, the spacing at the support
    int resto = 0;             // cm, the spacing left for the rest of the side
};

// The zones of the stations `e` seen from one support, with the spacings of
// the next band at its upper limit (`banda`) and of the minimum stirrups.
Lado ConstruirLado(std::vector<Estacion> e, int banda, int minimo) {
    Lado lado;
    if (e.empty()) {
        lado.primera = lado.resto = minimo;
        return lado;
    }
    std::sort(e.begin(), e.end(),
              [](const Estacion& p, const Estacion& q) { return p.dist < q.dist; });
    // The smallest spacing needed from each station outward.
    for (std::size_t i = e.size() - 1; i-- > 0;) e[i].s = std::min(e[i].s, e[i + 1].s);
    // At most three spacings: the support's, the next band's, the minimum's.
    std::vector<int> niveles = {e.front().s};
    if (banda > e.front().s && banda < minimo) niveles.push_back(banda);
    if (minimo > niveles.back()) niveles.push_back(minimo);
    // Each station takes the largest of them it allows; the farthest
    // station of each spacing ends its zone.
    std::vector<int> usados;
    std::vector<double> alcance;
    for (const Estacion& x : e) {
        int nivel = niveles.front();
        for (int n : niveles) {
            if (n <= x.s) nivel = n;
        }
        if (usados.empty() || usados.back() != nivel) {
            usados.push_back(nivel);
            alcance.push_back(x.dist);
        } else {
            alcance.back() = x.dist;
        }
    }
    lado.primera = usados.front();
    lado.resto = usados.back();
    double ultimo = 0;
    for (std::size_t k = 0; k + 1 < usados.size(); ++k) {
        const double s = usados[k] / 100.0;  // cm -> m
        ZonaLado z;
        z.separacion = usados[k];
        z.d0 = ultimo;
        if (k == 0) {
            // The first stirrup 5 cm from the support, the last one reaching
            // the farthest station of this spacing.
            const double n = std::ceil((alcance[k] - kPrimerEstribo) / s - kHolgura);
            z.cantidad = static_cast<int>(std::max(0.0, n)) + 1;
            ultimo = kPrimerEstribo + (z.cantidad - 1) * s;
        } else {
            const double n = std::ceil((alcance[k] - ultimo) / s - kHolgura);
            z.cantidad = static_cast<int>(std::max(1.0, n));
            ultimo += z.cantidad * s;
        }
        z.d1 = ultimo;
        lado.zonas.push_back(z);
    }
    lado.ultimoEstribo = ultimo;
    return lado;
}

// The stations between abscissas x0 and x1 (m) as seen from support `a`.
std::vector<Estacion> EstacionesEntre(const ResultadoAnalisis& an, const std::vector<int>& s,
                                      double x0, double x1, double a) {
    std::vector<Estacion> e;
    for (int i = 1; i <= an.NumEstaciones && i < static_cast<int>(an.DiagX.size()); ++i) {
        const double x = an.DiagX[static_cast<std::size_t>(i)];
        if (x < x0 - kMediaEstacion || x > x1 + kMediaEstacion) continue;
        e.push_back({std::fabs(x - a), s[static_cast<std::size_t>(i)]});
    }
    return e;
}

ZonaEstribos Abscisas(const ZonaLado& z, double a, int sentido) {
    const double p = a + sentido * z.d0, q = a + sentido * z.d1;
    return {static_cast<float>(std::min(p, q)), static_cast<float>(std::max(p, q)), z.cantidad,
            z.separacion};
}

// Stirrups laid at spacing s (m) over a length (m) between two stirrups
// already placed: the ones between them, the last gap the remainder.
int Intermedios(double longitud, double s) {
    return std::max(0, static_cast<int>(std::ceil(longitud / s - kHolgura)) - 1);
}

// The zones of a cantilever of length `largo` (m) from its support at `a`
// towards its free end (`sentido` +1 to the right, -1 to the left), left to
// right: those of the support, then the remaining spacing to 5 cm from the
// free end. A cantilever too short for the zones of its support takes the
// support's spacing throughout.
std::vector<ZonaEstribos> Voladizo(const Lado& v, double a, double largo, int sentido) {
    std::vector<ZonaEstribos> zonas;
    const auto agregar = [&](const ZonaLado& z) { zonas.push_back(Abscisas(z, a, sentido)); };
    if (!v.zonas.empty() && v.ultimoEstribo > largo - kPrimerEstribo) {
        const double s = v.primera / 100.0;
        const int n = std::max(1, Intermedios(largo - kPrimerEstribo, s) + 1);
        agregar({0, largo, n, v.primera});
        return zonas;
    }
    for (const ZonaLado& z : v.zonas) agregar(z);
    const double desde = v.zonas.empty() ? 0 : v.ultimoEstribo;
    const double s = v.resto / 100.0;
    // From the last stirrup placed (or 5 cm from the support) to 5 cm from the free end.
    const double libre = largo - desde - (v.zonas.empty() ? 2 : 1) * kPrimerEstribo;
    const int n = static_cast<int>(std::floor(std::max(0.0, libre) / s + kHolgura)) +
                  (v.zonas.empty() ? 1 : 0);
    agregar({desde, largo, std::max(1, n), v.resto});
    if (sentido < 0) std::reverse(zonas.begin(), zonas.end());
    return zonas;
}

}  // namespace

std::vector<ZonaEstribos> CalcularZonasEstribos(const ResultadoDiseno& r,
                                                const ResultadoAnalisis& a, const DatosViga& datos,
                                                const ReglasDiseno& reglas) {
    const PasoCortante& x = r.Pasos.cortante;
    std::vector<ZonaEstribos> zonas;
    if (r.DisenoFallido || !x.calculado || x.sinEstribos || x.falla || !(x.Av > 0)) return zonas;
    const double L = datos.longitud;
    const double J = datos.ApoyoIzquierdo(), K = datos.ApoyoDerecho();
    if (!(K > J) || a.NumEstaciones < 1) return zonas;

    // The spacing each station needs, whole cm.
    std::vector<int> s(static_cast<std::size_t>(a.NumEstaciones) + 1, 0);
    for (int i = 1; i <= a.NumEstaciones; ++i) {
        const float Vu = ASimple(static_cast<double>(CortanteEstacion(a, i)) * kTnAKg);  // Kgr
        s[static_cast<std::size_t>(i)] = CmEnteros(SeparacionRequerida(reglas, x, Vu));
    }
    const int minimo = CmEnteros(SeparacionRequerida(reglas, x, 0));
    // The next band at its upper limit: Vs at the band's limit.
    const float VsBanda = reglas.Banda(0, x.fc, x.bv, x.d).VsBanda;
    const int banda =
        CmEnteros(EspaciamientoEstribo(reglas, VsBanda, x.Av, x.fc, x.fyt, x.bv, x.d));

    // Left cantilever: from the support to the free end at 0.
    if (J > kMediaEstacion) {
        const Lado v = ConstruirLado(EstacionesEntre(a, s, 0, J, J), banda, minimo);
        const std::vector<ZonaEstribos> z = Voladizo(v, J, J, -1);
        zonas.insert(zonas.end(), z.begin(), z.end());
    }

    // The span: the zones of each support up to the least-loaded station,
    // the larger spacing left over between them.
    int mayor = 0;
    double x0 = J, x1 = J;
    for (int i = 1; i <= a.NumEstaciones; ++i) {
        const double xi = a.DiagX[static_cast<std::size_t>(i)];
        if (xi < J - kMediaEstacion || xi > K + kMediaEstacion) continue;
        const int si = s[static_cast<std::size_t>(i)];
        if (si > mayor) {
            mayor = si;
            x0 = x1 = xi;
        } else if (si == mayor) {
            x1 = xi;
        }
    }
    const double M = std::clamp((x0 + x1) / 2, J, K);
    const Lado izq = ConstruirLado(EstacionesEntre(a, s, J, M, J), banda, minimo);
    const Lado der = ConstruirLado(EstacionesEntre(a, s, M, K, K), banda, minimo);
    const double pIzq = J + (izq.zonas.empty() ? kPrimerEstribo : izq.ultimoEstribo);
    const double pDer = K - (der.zonas.empty() ? kPrimerEstribo : der.ultimoEstribo);
    if (pDer >= pIzq) {
        for (const ZonaLado& z : izq.zonas) zonas.push_back(Abscisas(z, J, +1));
        const int sm = std::min(izq.resto, der.resto);
        const int propios = (izq.zonas.empty() ? 1 : 0) + (der.zonas.empty() ? 1 : 0);
        const int n = std::max(1, Intermedios(pDer - pIzq, sm / 100.0) + propios);
        zonas.push_back({static_cast<float>(izq.zonas.empty() ? J : pIzq),
                         static_cast<float>(der.zonas.empty() ? K : pDer), n, sm});
        for (auto z = der.zonas.rbegin(); z != der.zonas.rend(); ++z) {
            zonas.push_back(Abscisas(*z, K, -1));
        }
    } else {
        // A span too short for the zones of both supports: one spacing, the
        // smaller of the two, from 5 cm past one support to 5 cm before the other.
        const int sm = std::min(izq.primera, der.primera);
        const double largo = K - J - 2 * kPrimerEstribo;
        const int n = largo > 0 ? Intermedios(largo, sm / 100.0) + 2 : 1;
        zonas.push_back({static_cast<float>(J), static_cast<float>(K), n, sm});
    }

    // Right cantilever: from the support to the free end at L.
    if (L - K > kMediaEstacion) {
        const Lado v = ConstruirLado(EstacionesEntre(a, s, K, L, K), banda, minimo);
        const std::vector<ZonaEstribos> z = Voladizo(v, K, L - K, +1);
        zonas.insert(zonas.end(), z.begin(), z.end());
    }
    return zonas;
}

}  // namespace korvex
