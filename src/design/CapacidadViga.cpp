#include "design/CapacidadViga.h"

#include <algorithm>
#include <cmath>

#include "design/Armado.h"

namespace korvex {

std::vector<float> DemandaCara(const ResultadoAnalisis& a, bool inferior) {
    const std::size_t n = static_cast<std::size_t>(std::max(0, a.NumEstaciones)) + 1;
    std::vector<float> m(n, 0.0f);
    const EnvolventeViva& e = a.Envolvente;
    const bool envolvente =
        a.UsaEnvolvente && e.calculada && e.MomentoMax.size() >= n && e.MomentoMin.size() >= n;
    for (std::size_t i = 1; i < n; ++i) {
        float v = 0;  // analysis sign: sagging negative
        if (envolvente) {
            v = inferior ? -e.MomentoMin[i] : e.MomentoMax[i];
        } else if (i < a.DiagMomento.size()) {
            v = inferior ? -a.DiagMomento[i] : a.DiagMomento[i];
        }
        m[i] = std::isfinite(v) && v > 0 ? v : 0.0f;
    }
    return m;
}

double PhiMnBarras(const SeccionCara& s, const std::vector<GrupoBarras>& g,
                   const ReglasDiseno& reglas, double fraccionArea) {
    if (s.armado == nullptr || s.paso == nullptr || g.empty()) return 0;
    const ArmadoCara& c = *s.armado;
    const PasoFlexion& x = *s.paso;
    const CentroideBarras cb = Centroide(g, c.libreLateral);
    SeccionCapacidad sc;
    sc.b = x.b;
    sc.conAla = x.conAla && x.bw > 0;
    sc.hf = x.hf;
    sc.bw = x.bw;
    sc.As = cb.area * fraccionArea;
    sc.d = s.h - cb.centroide;
    sc.dt = s.h - cb.extremo;
    sc.Asc = c.AscProvisto;
    sc.dp = c.dpReal;
    const double phiMn = CapacidadFlexion(reglas, s.fc, s.fy, sc).phiMn;
    return std::isfinite(phiMn) && phiMn > 0 ? phiMn : 0.0;
}

int EstacionDe(const ResultadoAnalisis& a, double x) {
    const int n = std::min(a.NumEstaciones, static_cast<int>(a.DiagX.size()) - 1);
    if (n < 1) return 0;
    int mejor = 1;
    double dist = std::fabs(a.DiagX[1] - x);
    for (int i = 2; i <= n; ++i) {
        const double di = std::fabs(a.DiagX[static_cast<std::size_t>(i)] - x);
        if (di < dist) {
            dist = di;
            mejor = i;
        }
    }
    return mejor;
}

double PhiVnEn(const ResultadoDiseno& r, const ReglasDiseno& reglas, double x) {
    const PasoCortante& v = r.Pasos.cortante;
    double Vs = 0;  // Kgr
    for (const ZonaEstribos& z : r.ZonasEstribos) {
        if (x >= z.desde - 1e-6 && x <= z.hasta + 1e-6 && z.separacion > 0) {
            Vs = 2 * v.Av * v.fyt * v.d / z.separacion;  // two legs over the depth d
            break;
        }
    }
    const double phiVn = reglas.PhiCortante() * (std::max(0.0f, v.Vc) + Vs);
    return std::isfinite(phiVn) ? phiVn : 0.0;
}

}  // namespace korvex
