// Arbitrary bytes as a vertex file, then the polygon they describe.
//  - A refused file names its line.
//  - Whatever the vertices, the results are finite, the texts hold nothing but
//    digits, signs, points and commas (no "nan" or "inf") and the drawing scale
//    is positive.
//  - A calculated area lies above the rounding of the sums of its products
//    (a product of two Singles is exact in a Double), and the area and
//    centroid agree with the shoelace formula within that rounding. (The
//    shoelace sums do not depend on the start or the sense, so a reversed or
//    moved figure is only another input, left to the fuzzer.)
#include <algorithm>
#include <cmath>
#include <vector>

#include "Comprobaciones.h"
#include "polygon/Poligono.h"

namespace korvex::fuzz {

namespace {

constexpr double kEpsilon = 0x1p-53;

struct Shoelace {
    double area = 0, Cx = 0, Cy = 0;
    double suma = 0;  // sum of |products|, scale of the rounding
};

Shoelace Referencia(const std::vector<Vertice>& v) {
    Shoelace s;
    double Mx = 0, My = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const Vertice& a = v[i];
        const Vertice& b = v[(i + 1) % v.size()];
        const double c = static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
        s.area += c / 2;
        Mx += (static_cast<double>(a.x) + b.x) * c / 6;
        My += (static_cast<double>(a.y) + b.y) * c / 6;
        s.suma +=
            std::fabs(static_cast<double>(a.x) * b.y) + std::fabs(static_cast<double>(b.x) * a.y);
    }
    if (s.area != 0) {
        s.Cx = Mx / s.area;
        s.Cy = My / s.area;
    }
    return s;
}

// Sum of |products| of the fan from the first vertex, as Calcular forms them.
double SumaAbanico(const std::vector<Vertice>& v) {
    double m = 0;
    for (size_t i = 1; i + 1 < v.size(); ++i) {
        const Vertice p[3] = {v[0], v[i], v[i + 1]};
        for (int k = 0; k < 3; ++k) {
            m += std::fabs(static_cast<double>(p[k].x) * p[(k + 1) % 3].y) +
                 std::fabs(static_cast<double>(p[k].y) * p[(k + 1) % 3].x);
        }
    }
    return m;
}

double MayorCoordenada(const std::vector<Vertice>& v) {
    double m = 0;
    for (const Vertice& p : v)
        m = std::max({m, std::fabs(static_cast<double>(p.x)), std::fabs(static_cast<double>(p.y))});
    return m;
}

// The results of the polygon `p`, calculated here.
std::string Resultados(Poligono& p) {
    const ResultadoPoligono r = p.Calcular();
    for (double x : {r.area, r.Xcg, r.Ycg, r.Ix})
        if (!std::isfinite(x)) return "resultado no finito";
    for (const std::string& t : {r.txtArea, r.txtXcg, r.txtYcg, r.txtIx, r.lblCg})
        if (t.find_first_not_of("0123456789.,-()") != std::string::npos) return "texto: " + t;
    if (r.calculado == r.mensaje.has_value()) return "mensaje y cálculo no concuerdan";
    if (!r.calculado) return "";
    // The vertices in the order of the start that worked.
    const std::vector<Vertice>& tabla = p.Vertices();
    const double n = static_cast<double>(tabla.size());
    // An area no larger than the rounding of its own products is noise: such a
    // figure is refused, not shown with a centroid thrown far away.
    const Shoelace s = Referencia(tabla);
    if (r.area <= (n + 3) / 2 * kEpsilon * s.suma)
        return "área dentro del redondeo de sus productos";
    const double tolerancia = 4 * (n + 8) * kEpsilon * (SumaAbanico(tabla) + s.suma);
    if (std::fabs(r.area - std::fabs(s.area)) > tolerancia)
        return "área distinta de la fórmula de Gauss";
    // The centroid divides by the area: it is sound only for an area well above
    // its rounding, and then within the moments' rounding over the area.
    if (r.area <= 2 * tolerancia) return "";
    const double margen =
        2 * tolerancia * (2 * MayorCoordenada(tabla) + std::fabs(s.Cx) + std::fabs(s.Cy)) / r.area;
    if (std::fabs(r.Xcg - s.Cx) > margen || std::fabs(r.Ycg - s.Cy) > margen)
        return "centro de gravedad distinto de la fórmula de Gauss";
    return "";
}

}  // namespace

std::string ComprobarPoligono(std::string_view bytes) {
    const std::string contenido(bytes);
    std::string error;
    const std::optional<std::vector<Vertice>> leidos = LeerArchivoPoligono(contenido, &error);
    if (!leidos) {
        return error.rfind("Línea ", 0) == 0 ? "" : "rechazo sin línea: " + error;
    }
    Poligono p;
    for (const Vertice& q : *leidos) p.Agregar(q.x, q.y);
    const float escala = p.Escala(4000, 3000);
    if (!std::isfinite(escala) || !(escala > 0)) return "escala de dibujo no válida";
    return Resultados(p);
}

}  // namespace korvex::fuzz
