#include "project/BarrasSeccion.h"

#include <algorithm>
#include <cmath>

namespace korvex {

namespace {

constexpr const char* kNombre[4] = {"1\"", "3/4\"", "1/2\"", "3/8\""};
constexpr const char* kColumna[4] = {"M(+) tracción", "M(−) tracción", "M(+) compresión",
                                     "M(−) compresión"};
constexpr double kHolguraFila = 1.5;  // centre spacing over the diameter: a clear half bar
constexpr double kEntreFilas = 2.5;   // cm, clear distance between two rows
constexpr double kMenorDibujo = 0.3;  // cm, the smallest bar worth drawing
constexpr int kMaximoDibujo = 400;    // bars of one face beyond which none is drawn

// Why the design chapter ended before the bars, or nullptr when it did not.
const char* Falla(const PasosCalculo& s) {
    for (const PasoFlexion* f : {&s.flexionPos, &s.flexionNeg}) {
        if (!f->calculado || !f->suficiente) {
            return "Sin varillas: la sección no resiste el momento de diseño.";
        }
    }
    if (!s.cortante.calculado) return "Sin varillas: el cálculo no registró el diseño.";
    if (s.cortante.falla) return "Sin varillas: la viga falla por cortante.";
    return nullptr;
}

}  // namespace

std::string TextoVarillas(const std::array<int, 4>& cuenta) {
    std::string t;
    for (std::size_t r = 0; r < 4; ++r) {
        if (cuenta[r] <= 0) continue;
        t += (t.empty() ? "" : " + ") + std::to_string(cuenta[r]) + "Ø" + kNombre[r];
    }
    return t;
}

void PonerVarillas(const ResultadoDiseno& e, FiguraSeccion& f) {
    const PasosCalculo& s = e.Pasos;
    f.barrasInferiores = {};
    f.barrasSuperiores = {};
    f.leyenda.clear();
    if (const char* falla = Falla(s)) {
        f.leyenda.push_back(falla);
        return;
    }
    // Columns of the bar table: 0 M(+) tension, 1 M(-) tension, 2 M(+)
    // compression, 3 M(-) compression. Each face carries the larger of the
    // two areas that lie at it (the tension column on a tie).
    const auto& v = s.varillas;
    const std::size_t abajo = v[0].AsProvisto >= v[3].AsProvisto ? 0 : 3;
    const std::size_t arriba = v[1].AsProvisto >= v[2].AsProvisto ? 1 : 2;
    f.barrasInferiores = v[abajo].cuenta;
    f.barrasSuperiores = v[arriba].cuenta;
    auto linea = [](const char* cara, std::size_t columna, const std::array<int, 4>& c) {
        const std::string t = TextoVarillas(c);
        if (t.empty()) return std::string(cara) + ": sin varillas";
        return std::string(cara) + ", " + kColumna[columna] + ": " + t;
    };
    f.leyenda.push_back(linea("Cara inferior", abajo, f.barrasInferiores));
    f.leyenda.push_back(linea("Cara superior", arriba, f.barrasSuperiores));
    if (e.AsCompresionPos > 0 || e.AsCompresionNeg > 0) {
        f.leyenda.push_back("Acero en compresión: confinar con estribos cerrados");
    }
}

std::vector<BarraDibujada> DisponerVarillas(const FiguraSeccion& f, bool inferior) {
    const std::array<int, 4>& c = inferior ? f.barrasInferiores : f.barrasSuperiores;
    std::vector<int> tamanos;  // rows of the table, largest bar first
    for (int r = 0; r < 4; ++r) {
        const int n = c[static_cast<std::size_t>(r)];
        if (n < 0 || n > kMaximoDibujo ||
            tamanos.size() + static_cast<std::size_t>(n) >
                static_cast<std::size_t>(kMaximoDibujo)) {
            return {};
        }
        tamanos.insert(tamanos.end(), static_cast<std::size_t>(n), r);
    }
    if (tamanos.empty()) return {};

    // The level of the face's steel and the width of the section there.
    const bool rect = f.TipoViga == kVigaRect;
    const bool invertida = f.TipoViga == kVigaTi;
    const double ancho = rect ? f.b : f.bf;
    const double alto = rect ? f.h : f.hf + f.hw;
    if (!(ancho > 0) || !(alto > 0)) return {};
    const double r = std::clamp(f.recubrimiento, 0.0, alto / 2);
    const double y0 = inferior ? r : alto - r;
    const bool entera = rect || (invertida ? y0 < f.hf : y0 > f.hw);
    double xa = entera ? 0 : (f.bf - f.bw) / 2, xb = entera ? ancho : (f.bf + f.bw) / 2;
    const double lado = std::min(r, (xb - xa) / 4);  // centres at the cover from each side
    xa += lado;
    xb -= lado;
    const double largo = xb - xa;

    // One row if the bars fit with a clear half bar between them, else two;
    // drawn smaller when even two rows are crowded.
    const double dmax = kDiametroVarilla[static_cast<std::size_t>(tamanos.front())];
    const std::size_t n = tamanos.size();
    auto paso = [&](std::size_t m) { return m > 1 ? largo / static_cast<double>(m - 1) : largo; };
    const std::size_t primera = paso(n) >= kHolguraFila * dmax ? n : (n + 1) / 2;
    const double escala = std::min(1.0, paso(primera) / (kHolguraFila * dmax));
    if (escala * dmax < kMenorDibujo && n > 1) return {};
    const double entreFilas = (escala * dmax + kEntreFilas) * (inferior ? 1 : -1);

    std::vector<BarraDibujada> barras;
    for (std::size_t i = 0; i < n; ++i) {
        const bool segunda = i >= primera;
        const std::size_t j = segunda ? i - primera : i;
        const std::size_t enFila = segunda ? n - primera : primera;
        // The larger bars at the corners, where the stirrups hold them:
        // slots from both ends inwards, alternately.
        const std::size_t hueco = j % 2 == 0 ? j / 2 : enFila - 1 - j / 2;
        BarraDibujada b;
        b.tamano = tamanos[i];
        b.diametro = kDiametroVarilla[static_cast<std::size_t>(b.tamano)] * escala;
        b.x = enFila > 1 ? xa + largo * static_cast<double>(hueco) / static_cast<double>(enFila - 1)
                         : (xa + xb) / 2;
        b.y = y0 + (segunda ? entreFilas : 0);
        barras.push_back(b);
    }
    return barras;
}

}  // namespace korvex
