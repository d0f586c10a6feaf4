// Arbitrary bytes as a vertex file, then the polygon they describe.
//  - A refused file names its line; an accepted one holds finite Singles that
//    written back "x,y" with TextoSimple read as the same vertices.
//  - Whatever the vertices, the results are finite, the texts hold nothing but
//    digits, signs, points and commas (no "nan" or "inf") and the drawing scale
//    is positive.
//  - A calculated area lies above the rounding of the sums of its products
//    (a product of two Singles is exact in a Double), and the area and
//    centroid agree with the shoelace formula within that rounding.
//  - Reversed, or moved by a translation exact in Singles, the area is the same.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "Comprobaciones.h"
#include "polygon/Poligono.h"
#include "text/Numeros.h"

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

struct Calculo {
    ResultadoPoligono r;
    std::vector<Vertice> tabla;  // in the order of the start that worked
    double tolerancia = 0;       // on the area
};

Calculo Calcular(const std::vector<Vertice>& v) {
    Poligono p;
    for (const Vertice& q : v) p.Agregar(q.x, q.y);
    Calculo c;
    c.r = p.Calcular();
    c.tabla = p.Vertices();
    const double n = static_cast<double>(v.size());
    c.tolerancia = 4 * (n + 8) * kEpsilon * (SumaAbanico(c.tabla) + Referencia(c.tabla).suma);
    return c;
}

std::string Resultados(const Calculo& c) {
    const ResultadoPoligono& r = c.r;
    for (double x : {r.area, r.Xcg, r.Ycg, r.Ix})
        if (!std::isfinite(x)) return "resultado no finito";
    for (const std::string& t : {r.txtArea, r.txtXcg, r.txtYcg, r.txtIx, r.lblCg})
        if (t.find_first_not_of("0123456789.,-()") != std::string::npos) return "texto: " + t;
    if (r.calculado == r.mensaje.has_value()) return "mensaje y cálculo no concuerdan";
    if (!r.calculado) return "";
    // An area no larger than the rounding of its own products is noise: such a
    // figure is refused, not shown with a centroid thrown far away.
    const Shoelace s = Referencia(c.tabla);
    if (r.area <= (static_cast<double>(c.tabla.size()) + 3) / 2 * kEpsilon * s.suma)
        return "área dentro del redondeo de sus productos";
    if (std::fabs(r.area - std::fabs(s.area)) > c.tolerancia)
        return "área distinta de la fórmula de Gauss";
    // The centroid divides by the area: it is sound only for an area well above
    // its rounding, and then within the moments' rounding over the area.
    if (r.area <= 2 * c.tolerancia) return "";
    const double margen = 2 * c.tolerancia *
                          (2 * MayorCoordenada(c.tabla) + std::fabs(s.Cx) + std::fabs(s.Cy)) /
                          r.area;
    if (std::fabs(r.Xcg - s.Cx) > margen || std::fabs(r.Ycg - s.Cy) > margen)
        return "centro de gravedad distinto de la fórmula de Gauss";
    return "";
}

// The same figure moved by (dx, dy), when every moved coordinate is exact.
bool Trasladar(const std::vector<Vertice>& v, double dx, double dy, std::vector<Vertice>& w) {
    w.clear();
    for (const Vertice& p : v) {
        const double x = p.x + dx, y = p.y + dy;
        const float fx = static_cast<float>(x), fy = static_cast<float>(y);
        if (!std::isfinite(fx) || !std::isfinite(fy) || fx != x || fy != y) return false;
        w.push_back({fx, fy});
    }
    return true;
}

std::string MismaArea(const Calculo& a, const std::vector<Vertice>& otra, const char* que) {
    const Calculo b = Calcular(otra);
    if (std::string r = Resultados(b); !r.empty()) return std::string(que) + ": " + r;
    if (a.r.calculado && b.r.calculado &&
        std::fabs(a.r.area - b.r.area) > a.tolerancia + b.tolerancia)
        return std::string("el área cambia ") + que;
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
    const std::vector<Vertice>& v = *leidos;
    std::string escrito;
    for (const Vertice& p : v) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "vértice no finito";
        escrito += texto::TextoSimple(p.x) + "," + texto::TextoSimple(p.y) + "\n";
    }
    const std::optional<std::vector<Vertice>> releidos = LeerArchivoPoligono(escrito, &error);
    if (!releidos || *releidos != v) return "el archivo escrito no se lee igual";

    Poligono dibujo;
    for (const Vertice& p : v) dibujo.Agregar(p.x, p.y);
    const float escala = dibujo.Escala(4000, 3000);
    if (!std::isfinite(escala) || !(escala > 0)) return "escala de dibujo no válida";

    const Calculo c = Calcular(v);
    if (std::string r = Resultados(c); !r.empty()) return r;
    if (v.size() < 3) return "";

    std::vector<Vertice> otra(v.rbegin(), v.rend() - 1);
    otra.insert(otra.begin(), v.front());
    if (std::string r = MismaArea(c, otra, "en sentido contrario"); !r.empty()) return r;
    if (Trasladar(v, -static_cast<double>(v.front().x), -static_cast<double>(v.front().y), otra)) {
        if (std::string r = MismaArea(c, otra, "con el primer vértice en el origen"); !r.empty())
            return r;
    }
    if (Trasladar(v, 1000, -250, otra)) {
        if (std::string r = MismaArea(c, otra, "trasladado (1000, -250)"); !r.empty()) return r;
    }
    return "";
}

}  // namespace korvex::fuzz
