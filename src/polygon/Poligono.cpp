#include "polygon/Poligono.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr double kMargen = 1016;  // twips, total margin of the drawing box
constexpr double kEpsilonDoble = std::numeric_limits<double>::epsilon() / 2;  // unit roundoff

// The window's texts of a result: the coordinates are cm, so the area is cm2
// and the inertia cm4. Area and centroid with two decimals at least (four
// significant digits for small figures); the inertia with six significant
// digits, which the Single terms of the fan leave exact (the 20 x 40
// rectangle's 106666.66 shows 106,667).
void TextosLegibles(ResultadoPoligono& r) {
    r.verArea = texto::FormatoCifras(r.area, 4, 2) + " cm²";
    r.verXcg = texto::FormatoCifras(r.Xcg, 4, 2) + " cm";
    r.verYcg = texto::FormatoCifras(r.Ycg, 4, 2) + " cm";
    r.verIx = texto::FormatoCifras(r.Ix, 6, 0) + " cm⁴";
}

}  // namespace

bool Poligono::Borrar() {
    if (v_.empty()) return false;
    v_.pop_back();
    return true;
}

void Poligono::Reiniciar() {
    v_.clear();
    Xcg_ = Ycg_ = 0;
}

std::string Poligono::LineaLista(float x, float y) {
    return "(" + texto::TextoSimple(x) + "," + texto::TextoSimple(y) + ")";
}

// One fan from the current first vertex; false when the running area comes
// back to 0 (that start cannot place the centroid). The running area is 0
// when it is no larger than the rounding of the sums that formed it: the
// products of two Singles are exact in a Double, but their sums round, so a
// figure of zero net area may come out as a rounding residue, whose centroid
// would be meaningless and far away.
bool Poligono::Abanico(double& S, double& Xcg, double& Ycg, double& Ix) const {
    S = 0;
    Ix = 0;
    double terminos = 0;  // u2: sum of the magnitudes of the products summed so far
    const double x1 = v_[0].x, y1 = v_[0].y;
    for (size_t i = 1; i + 1 < v_.size(); ++i) {
        const double x2 = v_[i].x, y2 = v_[i].y;
        const double x3 = v_[i + 1].x, y3 = v_[i + 1].y;
        const double Sprev = S;
        // Twice the signed area, positive counter-clockwise with y up.
        const double D = x1 * y2 + x2 * y3 + x3 * y1 - y1 * x2 - y2 * x3 - y3 * x1;
        const double At = D / 2;
        S += At;
        terminos += (std::fabs(x1 * y2) + std::fabs(x2 * y3) + std::fabs(x3 * y1) +
                     std::fabs(y1 * x2) + std::fabs(y2 * x3) + std::fabs(y3 * x1)) /
                    2;
        // Bound of the rounding: 5 roundings within D, one per running sum.
        const double redondeo = static_cast<double>(i + 5) * kEpsilonDoble * terminos;
        if (std::fabs(S) <= redondeo) return false;
        const double xt = (x1 + x2 + x3) / 3, yt = (y1 + y2 + y3) / 3;
        const double YcgPrev = Ycg;
        Xcg = (Sprev * Xcg + At * xt) / S;
        Ycg = (Sprev * Ycg + At * yt) / S;
        // The triangle's own inertia about the horizontal axis through yt,
        // rounded to a Single; beyond the Single range (coordinates of
        // 1E+10 and more) it is kept as a Double rather than lost.
        const double ItDoble = D / 12 *
                               (y1 * y1 + y2 * y2 + y3 * y3 + y1 * y2 + y2 * y3 + y3 * y1 -
                                4 * yt * (y1 + y2 + y3) + 6 * yt * yt);
        const double It = std::fabs(ItDoble) <= std::numeric_limits<float>::max()
                              ? static_cast<float>(ItDoble)
                              : ItDoble;
        // The figure so far and the new triangle, both moved to the new centroid.
        Ix += Sprev * (YcgPrev - Ycg) * (YcgPrev - Ycg) + At * (yt - Ycg) * (yt - Ycg) + It;
    }
    return true;
}

ResultadoPoligono Poligono::Calcular() {
    ResultadoPoligono r;
    if (v_.size() < 3) {
        r.mensaje =
            Mensaje{"Por favor inserte mas de 3 coordenadas de la sección", "Error", kEstiloSimple};
        return r;
    }
    double S = 0, Ix = 0;
    bool ok = false;
    for (size_t intento = 0; intento < v_.size(); ++intento) {
        if (Abanico(S, Xcg_, Ycg_, Ix)) {
            ok = true;
            break;
        }
        Ix = 0;
        std::rotate(v_.begin(), v_.begin() + 1, v_.end());
    }
    if (!ok) {
        Xcg_ = Ycg_ = 0;
        r.mensaje = Mensaje{"Esta sección es imposible de calcular por este programa",
                            "Error de Sección", kEstiloCritico};
        r.txtArea = texto::Formato(0, "###,###,###.00");
        r.txtXcg = r.txtYcg = r.txtIx = "0";
        r.lblCg = "(" + texto::Formato(0, "Fixed") + "," + texto::Formato(0, "Fixed") + ")";
        TextosLegibles(r);
        return r;
    }
    r.calculado = true;
    r.area = std::fabs(S);
    r.Ix = std::fabs(Ix);
    r.Xcg = Xcg_;
    r.Ycg = Ycg_;
    r.txtArea = texto::Formato(r.area, "###,###,###.00");
    r.txtIx = texto::TextoDoble(r.Ix);
    r.txtXcg = texto::Formato(r.Xcg, "###,###.00");
    r.txtYcg = texto::Formato(r.Ycg, "###,###.00");
    r.lblCg = "(" + texto::Formato(r.Xcg, "Fixed") + "," + texto::Formato(r.Ycg, "Fixed") + ")";
    TextosLegibles(r);
    return r;
}

CajaPoligono Poligono::Caja() const {
    CajaPoligono c;
    if (v_.empty()) return c;
    c.Xmax = c.Xmin = v_[0].x;
    c.Ymax = c.Ymin = v_[0].y;
    for (const Vertice& p : v_) {
        c.Xmax = std::max(c.Xmax, p.x);
        c.Xmin = std::min(c.Xmin, p.x);
        c.Ymax = std::max(c.Ymax, p.y);
        c.Ymin = std::min(c.Ymin, p.y);
    }
    c.Xc = (static_cast<double>(c.Xmin) + c.Xmax) / 2;
    c.Yc = (static_cast<double>(c.Ymax) + c.Ymin) / 2;
    return c;
}

float Poligono::Escala(double anchoCaja, double altoCaja) const {
    const CajaPoligono c = Caja();
    const double dx = static_cast<double>(c.Xmax) - c.Xmin;
    const double dy = static_cast<double>(c.Ymax) - c.Ymin;
    const bool hayX = dx > 0 && std::isfinite(dx), hayY = dy > 0 && std::isfinite(dy);
    const float sx = hayX ? static_cast<float>((anchoCaja - kMargen) / dx) : 0.0f;
    const float sy = hayY ? static_cast<float>((altoCaja - kMargen) / dy) : 0.0f;
    float s = 1;
    if (hayX && hayY) {
        s = std::min(sx, sy);
    } else if (hayX) {
        s = sx;
    } else if (hayY) {
        s = sy;
    }
    return (std::isfinite(s) && s > 0) ? s : 1.0f;
}

std::optional<std::vector<Vertice>> LeerArchivoPoligono(const std::string& contenido,
                                                        std::string* error) {
    std::vector<Vertice> v;
    std::istringstream in(contenido);
    std::string linea;
    int numero = 0;
    while (std::getline(in, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        const size_t inicio = linea.find_first_not_of(" \t");
        if (inicio == std::string::npos || linea[inicio] == '#') continue;
        std::string t = linea.substr(inicio);
        // Separator: a comma, or else the blanks between the two numbers.
        std::string sx, sy;
        const size_t coma = t.find(',');
        if (coma != std::string::npos) {
            sx = t.substr(0, coma);
            sy = t.substr(coma + 1);
        } else {
            const size_t blanco = t.find_first_of(" \t");
            if (blanco != std::string::npos) {
                sx = t.substr(0, blanco);
                sy = t.substr(blanco + 1);
            } else {
                sx = t;
            }
        }
        if (!texto::EsNumerico(sx) || !texto::EsNumerico(sy)) {
            if (error) {
                *error = "Línea " + std::to_string(numero) +
                         ": se esperaba un vértice \"x,y\" o \"x y\" con dos números, y se "
                         "encontró \"" +
                         t + "\".";
            }
            return std::nullopt;
        }
        v.push_back({static_cast<float>(texto::NumeroCampo(sx)),
                     static_cast<float>(texto::NumeroCampo(sy))});
    }
    return v;
}

}  // namespace korvex
