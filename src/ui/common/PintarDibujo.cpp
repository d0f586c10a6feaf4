#include "ui/common/PintarDibujo.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace korvex {

namespace {

// The pen colour of an AutoCAD colour index on the white sheet: 7 (white on
// a dark screen) and an index without a plain colour are drawn black, and
// the light ones (yellow, green, cyan) a shade darker so that a dimension
// or a stirrup stays legible on paper.
QColor ColorAci(int indice) {
    switch (indice) {
        case 1:
            return {255, 0, 0};
        case 2:
            return {176, 140, 0};
        case 3:
            return {0, 150, 0};
        case 4:
            return {0, 150, 170};
        case 5:
            return {0, 0, 255};
        case 6:
            return {255, 0, 255};
        case 8:
            return {128, 128, 128};
        case 9:
            return {192, 192, 192};
        default:
            return Qt::black;
    }
}

bool Finito(const PuntoCm& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Approximate width of a text of height h: the box only needs to hold it.
constexpr double kAnchoLetra = 0.8;  // width of a character per unit of height

// The rectangle, in cm, that holds every finite primitive.
struct Extension {
    double x0 = std::numeric_limits<double>::max(), y0 = x0;
    double x1 = std::numeric_limits<double>::lowest(), y1 = x1;
    bool vacia = true;

    void Agregar(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
        vacia = false;
    }
};

double AnchoEstimado(const TextoDibujo& t) {
    return kAnchoLetra * t.altura * static_cast<double>(QString::fromStdString(t.texto).size());
}

Extension ExtensionDe(const Dibujo& d) {
    Extension e;
    for (const LineaDibujo& l : d.lineas) {
        if (!Finito(l.a) || !Finito(l.b)) continue;
        e.Agregar(l.a.x, l.a.y);
        e.Agregar(l.b.x, l.b.y);
    }
    for (const PolilineaDibujo& p : d.polilineas) {
        for (const PuntoCm& q : p.puntos) e.Agregar(q.x, q.y);
    }
    for (const CirculoDibujo& c : d.circulos) {
        if (!Finito(c.centro) || !std::isfinite(c.radio)) continue;
        const double r = std::fabs(c.radio);
        e.Agregar(c.centro.x - r, c.centro.y - r);
        e.Agregar(c.centro.x + r, c.centro.y + r);
    }
    for (const TextoDibujo& t : d.textos) {
        if (!Finito(t.punto) || !std::isfinite(t.altura) || t.altura <= 0) continue;
        const double w = AnchoEstimado(t);
        const double izq = t.alineacion == AlineacionTexto::Izquierda ? 0
                           : t.alineacion == AlineacionTexto::Centro  ? w / 2
                                                                      : w;
        e.Agregar(t.punto.x - izq, t.punto.y);
        e.Agregar(t.punto.x - izq + w, t.punto.y + t.altura);
    }
    return e;
}

// Drawing cm -> device units: uniform scale, centred, y upwards.
struct Transformacion {
    double escala = 1, cx = 0, cy = 0, mx = 0, my = 0;
    QPointF operator()(const PuntoCm& p) const {
        return {cx + (p.x - mx) * escala, cy - (p.y - my) * escala};
    }
};

Transformacion Ajustar(const Extension& e, const QRectF& caja) {
    // A small margin so that the outermost lines are not cut by the edge.
    const double margen = std::min(10.0, 0.05 * std::min(caja.width(), caja.height()));
    const double w = std::max(0.0, caja.width() - 2 * margen);
    const double h = std::max(0.0, caja.height() - 2 * margen);
    const double ancho = e.x1 - e.x0, alto = e.y1 - e.y0;
    Transformacion t;
    t.cx = caja.center().x();
    t.cy = caja.center().y();
    t.mx = (e.x0 + e.x1) / 2;
    t.my = (e.y0 + e.y1) / 2;
    // A drawing with no width or no height is scaled by the other side; a
    // single point by 1 (it is only centred).
    double escala = std::numeric_limits<double>::max();
    if (ancho > 0) escala = std::min(escala, w / ancho);
    if (alto > 0) escala = std::min(escala, h / alto);
    t.escala = std::isfinite(escala) && escala < std::numeric_limits<double>::max() ? escala : 1.0;
    return t;
}

void PintarTexto(QPainter& p, const TextoDibujo& t, const Transformacion& f) {
    const QString texto = QString::fromStdString(t.texto);
    const double altura = t.altura * f.escala;  // device units
    if (texto.isEmpty() || !(altura > 0) || !std::isfinite(altura)) return;
    // The text's height is the height of its capitals, as in a CAD program:
    // a reference font is scaled until its capitals are that high.
    QFont fuente = p.font();
    fuente.setPixelSize(100);
    const QFontMetricsF m(fuente, p.device());
    const double mayusculas = m.capHeight() > 0 ? m.capHeight() : 70.0;
    const double k = altura / mayusculas;
    const double ancho = m.horizontalAdvance(texto);
    const double desde = t.alineacion == AlineacionTexto::Izquierda ? 0
                         : t.alineacion == AlineacionTexto::Centro  ? -ancho / 2
                                                                    : -ancho;
    p.save();
    p.translate(f(t.punto));
    p.scale(k, k);
    p.setFont(fuente);
    p.drawText(QPointF(desde, 0), texto);  // baseline at the point
    p.restore();
}

}  // namespace

void PintarDibujo(QPainter& p, const Dibujo& d, const QRectF& caja) {
    const Extension e = ExtensionDe(d);
    if (e.vacia || !caja.isValid()) return;
    const Transformacion f = Ajustar(e, caja);

    std::map<std::string, QColor> colores;
    for (const CapaDibujo& c : d.capas) colores[c.nombre] = ColorAci(c.color);
    auto pluma = [&](const std::string& capa) {
        const auto it = colores.find(capa);
        QPen pen(it != colores.end() ? it->second : QColor(Qt::black));
        pen.setCosmetic(true);
        pen.setWidthF(1);
        p.setPen(pen);
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (const LineaDibujo& l : d.lineas) {
        if (!Finito(l.a) || !Finito(l.b)) continue;
        pluma(l.capa);
        p.drawLine(f(l.a), f(l.b));
    }
    for (const PolilineaDibujo& l : d.polilineas) {
        QPolygonF puntos;
        for (const PuntoCm& q : l.puntos) {
            if (Finito(q)) puntos.append(f(q));
        }
        if (puntos.isEmpty()) continue;
        pluma(l.capa);
        if (l.cerrada) {
            p.drawPolygon(puntos);
        } else {
            p.drawPolyline(puntos);
        }
    }
    for (const CirculoDibujo& c : d.circulos) {
        if (!Finito(c.centro) || !std::isfinite(c.radio)) continue;
        pluma(c.capa);
        const double r = std::fabs(c.radio) * f.escala;
        p.drawEllipse(f(c.centro), r, r);
    }
    for (const TextoDibujo& t : d.textos) {
        if (!Finito(t.punto)) continue;
        pluma(t.capa);
        PintarTexto(p, t, f);
    }
    p.restore();
}

}  // namespace korvex
