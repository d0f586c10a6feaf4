#include "ui/report/DibujoMemoria.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "project/BarrasSeccion.h"
#include "text/Numeros.h"
#include "ui/common/PintarDibujo.h"

namespace korvex::ui::memoria {

namespace {

constexpr double kAltoGrafico = 130;    // pt, the plotting area of a diagram
constexpr double kMargenEje = 40;       // pt, room for the value labels of the axis
constexpr double kMaximoPuntos = 1200;  // samples drawn per curve before thinning
constexpr double kAltoSeccion = 185;    // pt, the section figure
constexpr double kAltoDibujoMin = 120;  // pt, limits of the box of a drawing of the bars
constexpr double kAltoDibujoMax = 360;

QColor ColorCurva(const std::string& titulo) {
    // Shear and rotation in olive, moment and deflection in green, as on screen.
    const bool verde =
        titulo.find("momento") != std::string::npos || titulo.find("Elástica") != std::string::npos;
    return verde ? QColor(0, 128, 0) : QColor(128, 128, 0);
}

// The samples of a curve, thinned to the smallest and largest value of each
// group of stations when there are many, so that no extreme is lost.
QVector<QPointF> Muestras(const std::vector<double>& x, const std::vector<double>& y) {
    QVector<QPointF> p;
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0) return p;
    const std::size_t grupo =
        n <= kMaximoPuntos ? 1 : static_cast<std::size_t>(std::ceil(n / (kMaximoPuntos / 2)));
    for (std::size_t i = 0; i < n; i += grupo) {
        const std::size_t fin = std::min(n, i + grupo);
        std::size_t a = i, b = i;
        for (std::size_t k = i; k < fin; ++k) {
            if (y[k] < y[a]) a = k;
            if (y[k] > y[b]) b = k;
        }
        const std::size_t primero = std::min(a, b), segundo = std::max(a, b);
        p.push_back(QPointF(x[primero], y[primero]));
        if (segundo != primero) p.push_back(QPointF(x[segundo], y[segundo]));
    }
    return p;
}

std::string Numero(double v) {
    return texto::FormatoGeneral(std::fabs(v) < 1e-12 ? 0.0 : v);
}

// Grid step along the beam, whole metres: 1, 2, 5, 10, 20, 50...
double PasoMetros(double L) {
    double paso = 1;
    const double pasos[] = {2, 2.5, 2};
    int k = 0;
    while (L / paso > 16) paso *= pasos[k++ % 3];
    return paso;
}

struct Escala {
    QRectF r;
    double L = 1, bajo = -1, alto = 1;
    bool abajo = false;
    double X(double x) const { return r.left() + x / L * r.width(); }
    double Y(double v) const {
        const double f = (v - bajo) / (alto - bajo);
        return abajo ? r.top() + f * r.height() : r.bottom() - f * r.height();
    }
};

bool ConCapacidad(const FiguraDiagrama& f) {
    return !f.capacidadPos.empty() || !f.capacidadNeg.empty();
}

// The legend under a diagram: one line per extreme and one for phi Mn.
double Leyenda(const FiguraDiagrama& f, const Tipos& t) {
    const std::size_t lineas = f.marcas.size() + (ConCapacidad(f) ? 1 : 0);
    return static_cast<double>(lineas) * t.AltoLinea(Estilo::Figura);
}

const QColor kColorCapacidad(0, 70, 200);

}  // namespace

double PasoRedondo(double aproximado) {
    if (!(aproximado > 0)) return 1;
    const double p = std::pow(10.0, std::floor(std::log10(aproximado)));
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * p >= aproximado) return m * p;
    }
    return 10 * p;
}

double AltoFigura(const FiguraDiagrama& f, const Tipos& t) {
    return t.AltoLinea(Estilo::FiguraTitulo) + 2 * t.AltoLinea(Estilo::Figura) +
           kAltoGrafico * t.Punto() + Leyenda(f, t) + 4 * t.Punto();
}

double AltoFigura(const FiguraSeccion& f, const Tipos& t) {
    return kAltoSeccion * t.Punto() +
           static_cast<double>(f.leyenda.size()) * t.AltoLinea(Estilo::Figura);
}

void DibujarFigura(QPainter& pintor, const FiguraDiagrama& f, const Tipos& t, const QRectF& caja) {
    const double pt = t.Punto();
    const double lf = t.AltoLinea(Estilo::Figura);
    double y = caja.top();
    t.Dibujar(pintor, f.titulo, Estilo::FiguraTitulo, caja.left(), y);
    y += t.AltoLinea(Estilo::FiguraTitulo);
    t.Dibujar(pintor, f.eje, Estilo::Figura, caja.left(), y);
    y += lf;

    // Vertical range: every value drawn, and zero.
    double bajo = 0, alto = 0;
    for (const std::vector<double>* s :
         {&f.y, &f.yMax, &f.yMin, &f.capacidadPos, &f.capacidadNeg}) {
        for (double v : *s) {
            bajo = std::min(bajo, v);
            alto = std::max(alto, v);
        }
    }
    if (alto - bajo < 1e-12) {
        bajo -= 1;
        alto += 1;
    }
    const double paso = PasoRedondo((alto - bajo) / 4);
    Escala e;
    e.r = QRectF(caja.left() + kMargenEje * pt, y + 6 * pt, caja.width() - (kMargenEje + 6) * pt,
                 kAltoGrafico * pt - 8 * pt);
    e.L = f.LuzViga > 0 ? f.LuzViga : 1;
    e.bajo = std::floor(bajo / paso - 1e-9) * paso;
    e.alto = std::ceil(alto / paso + 1e-9) * paso;
    e.abajo = f.positivoAbajo;

    pintor.save();
    // Grid: the values of the axis and every metre step of the beam.
    pintor.setPen(QPen(QColor(200, 200, 200), 0.4 * pt));
    const double ascenso = t.Ascenso(Estilo::Figura);
    for (double v = e.bajo; v <= e.alto + paso * 1e-6; v += paso) {
        pintor.setPen(QPen(QColor(200, 200, 200), 0.4 * pt));
        pintor.drawLine(QPointF(e.r.left(), e.Y(v)), QPointF(e.r.right(), e.Y(v)));
        const std::string n = Numero(std::round(v / paso) * paso);
        const double w = t.Ancho(t.Palabras(n, Estilo::Figura), Estilo::Figura);
        t.Dibujar(pintor, n, Estilo::Figura, e.r.left() - w - 3 * pt, e.Y(v) - ascenso / 1.6);
    }
    const double pm = PasoMetros(e.L);
    const double abajoEje = e.r.bottom() + 2 * pt;
    for (double x = 0; x <= e.L + 1e-9; x += pm) {
        pintor.setPen(QPen(QColor(200, 200, 200), 0.4 * pt));
        pintor.drawLine(QPointF(e.X(x), e.r.top()), QPointF(e.X(x), e.r.bottom()));
        const std::string n = Numero(x);
        const double w = t.Ancho(t.Palabras(n, Estilo::Figura), Estilo::Figura);
        t.Dibujar(pintor, n, Estilo::Figura, std::min(e.X(x) - w / 2, e.r.right() - w), abajoEje);
    }
    const std::string ejeX = "x (m)";
    const double wx = t.Ancho(t.Palabras(ejeX, Estilo::Figura), Estilo::Figura);
    t.Dibujar(pintor, ejeX, Estilo::Figura, e.r.left() - wx - 10 * pt, abajoEje);
    pintor.setPen(QPen(QColor(120, 120, 120), 0.5 * pt));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(e.r);

    // The curve, filled down to the axis.
    const QColor color = ColorCurva(f.titulo);
    QPolygonF curva;
    curva << QPointF(e.X(0), e.Y(0));
    for (const QPointF& p : Muestras(f.x, f.y)) curva << QPointF(e.X(p.x()), e.Y(p.y()));
    if (!f.x.empty()) curva << QPointF(e.X(f.x.back()), e.Y(0));
    QColor relleno = color;
    relleno.setAlpha(55);
    pintor.setPen(QPen(color, 0.9 * pt));
    pintor.setBrush(relleno);
    pintor.drawPolygon(curva);

    // Envelope of the live-load arrangements.
    pintor.setBrush(Qt::NoBrush);
    for (const std::vector<double>* s : {&f.yMax, &f.yMin}) {
        if (s->empty()) continue;
        QPolygonF linea;
        for (const QPointF& p : Muestras(f.x, *s)) linea << QPointF(e.X(p.x()), e.Y(p.y()));
        pintor.setPen(QPen(QColor(160, 0, 0), 0.7 * pt, Qt::DashLine));
        pintor.drawPolyline(linea);
    }

    // phi Mn of the bars over the demand, a distinct solid line.
    for (const std::vector<double>* s : {&f.capacidadPos, &f.capacidadNeg}) {
        if (s->empty()) continue;
        QPolygonF linea;
        for (const QPointF& p : Muestras(f.x, *s)) linea << QPointF(e.X(p.x()), e.Y(p.y()));
        pintor.setPen(QPen(kColorCapacidad, 1.1 * pt));
        pintor.drawPolyline(linea);
    }

    // Zero axis and the two supports.
    pintor.setPen(QPen(Qt::black, 0.9 * pt));
    pintor.drawLine(QPointF(e.r.left(), e.Y(0)), QPointF(e.r.right(), e.Y(0)));
    pintor.setBrush(Qt::black);
    for (double apoyo : {f.DistJ, f.DistK}) {
        const QPointF a(e.X(apoyo), e.Y(0));
        pintor.drawPolygon(
            QPolygonF({a, a + QPointF(-3.5 * pt, 6 * pt), a + QPointF(3.5 * pt, 6 * pt)}));
    }

    // The extremes: a dot with its number, and the legend below.
    double yl = abajoEje + lf + 2 * pt;
    for (std::size_t i = 0; i < f.marcas.size(); ++i) {
        const MarcaDiagrama& m = f.marcas[i];
        const QPointF p(e.X(m.x), e.Y(m.y));
        pintor.setPen(QPen(QColor(160, 0, 0), 0.6 * pt));
        pintor.setBrush(QColor(160, 0, 0));
        pintor.drawEllipse(p, 1.8 * pt, 1.8 * pt);
        const std::string n = "(" + std::to_string(i + 1) + ")";
        const double w = t.Ancho(t.Palabras(n, Estilo::Figura), Estilo::Figura);
        const double lx = std::clamp(p.x() + 3 * pt, e.r.left() + pt, e.r.right() - w - pt);
        const double ly = std::clamp(p.y() - lf - pt, e.r.top() + pt, e.r.bottom() - lf - pt);
        pintor.fillRect(QRectF(lx, ly, w, lf * 0.9), QColor(255, 255, 255, 200));
        t.Dibujar(pintor, n, Estilo::Figura, lx, ly);
        t.Dibujar(pintor, n + " " + m.texto, Estilo::Figura, e.r.left(), yl);
        yl += lf;
    }
    if (ConCapacidad(f)) {
        const double medio = yl + lf / 2;
        pintor.setPen(QPen(kColorCapacidad, 1.1 * pt));
        pintor.drawLine(QPointF(e.r.left(), medio), QPointF(e.r.left() + 18 * pt, medio));
        t.Dibujar(pintor, "φM_{n}: resistencia de diseño de las varillas", Estilo::Figura,
                  e.r.left() + 22 * pt, yl);
    }
    pintor.restore();
}

namespace {

// A dimension line between two points with ticks at its ends and its text
// beside it (`lado`: where the text goes, as a unit offset).
void Cota(QPainter& pintor, const Tipos& t, QPointF a, QPointF b, const std::string& texto,
          QPointF lado) {
    const double pt = t.Punto();
    pintor.setPen(QPen(Qt::black, 0.5 * pt));
    pintor.drawLine(a, b);
    const bool horizontal = std::fabs(a.y() - b.y()) < 1e-6;
    const QPointF tic = horizontal ? QPointF(0, 3 * pt) : QPointF(3 * pt, 0);
    for (QPointF p : {a, b}) pintor.drawLine(p - tic, p + tic);
    const double w = t.Ancho(t.Palabras(texto, Estilo::Figura), Estilo::Figura);
    const double h = t.AltoLinea(Estilo::Figura);
    const QPointF c = (a + b) / 2;
    double x = c.x() - w / 2, y = c.y() - h / 2;
    if (lado.x() > 0) x = c.x() + 4 * pt;
    if (lado.x() < 0) x = c.x() - w - 4 * pt;
    if (lado.y() < 0) y = c.y() - h - 2 * pt;
    if (lado.y() > 0) y = c.y() + 2 * pt;
    t.Dibujar(pintor, texto, Estilo::Figura, x, y);
}

// A dimension's label, cm, to two decimals at most (29.375 -> "29.38", 50 -> "50").
std::string Cm(const char* nombre, double v) {
    return std::string(nombre) + " = " + texto::FormatoGeneral(std::round(v * 100) / 100);
}

}  // namespace

void DibujarFigura(QPainter& pintor, const FiguraSeccion& f, const Tipos& t, const QRectF& caja) {
    const double pt = t.Punto();
    t.Dibujar(pintor, f.titulo, Estilo::FiguraTitulo, caja.left(), caja.top());
    const bool rect = f.TipoViga == kVigaRect;
    const bool invertida = f.TipoViga == kVigaTi;
    const double ancho = rect ? f.b : f.bf;
    const double alto = rect ? f.h : f.hf + f.hw;
    if (!(ancho > 0) || !(alto > 0)) return;

    // Scale: the section in a box of about 170 x 140 pt, centred, with room
    // for the dimensions on both sides and the legend of the bars below.
    const double leyenda = static_cast<double>(f.leyenda.size()) * t.AltoLinea(Estilo::Figura);
    const QRectF zona(caja.left() + 120 * pt,
                      caja.top() + t.AltoLinea(Estilo::FiguraTitulo) + 16 * pt,
                      caja.width() - 240 * pt,
                      caja.height() - t.AltoLinea(Estilo::FiguraTitulo) - 34 * pt - leyenda);
    const double s = std::min(zona.width() / ancho, zona.height() / alto);
    const double x0 = zona.center().x() - ancho * s / 2;
    const double y0 = zona.center().y() + alto * s / 2;  // bottom fibre
    auto P = [&](double x, double y) { return QPointF(x0 + x * s, y0 - y * s); };

    QPolygonF forma;
    if (rect) {
        forma << P(0, 0) << P(ancho, 0) << P(ancho, alto) << P(0, alto);
    } else {
        const double a = (f.bf - f.bw) / 2, b = (f.bf + f.bw) / 2;
        if (invertida) {
            forma << P(0, 0) << P(f.bf, 0) << P(f.bf, f.hf) << P(b, f.hf) << P(b, alto)
                  << P(a, alto) << P(a, f.hf) << P(0, f.hf);
        } else {
            forma << P(a, 0) << P(b, 0) << P(b, f.hw) << P(f.bf, f.hw) << P(f.bf, alto)
                  << P(0, alto) << P(0, f.hw) << P(a, f.hw);
        }
    }
    pintor.save();
    pintor.setPen(QPen(Qt::black, 0.9 * pt));
    pintor.setBrush(QColor(225, 225, 225));
    pintor.drawPolygon(forma);

    // The bars proposed for each face, to scale unless crowded, and the
    // centroid.
    const double r = f.recubrimiento;
    const double almaIzq = rect ? 0 : (f.bf - f.bw) / 2, almaDer = rect ? ancho : (f.bf + f.bw) / 2;
    pintor.setPen(QPen(Qt::black, 0.3 * pt));
    pintor.setBrush(QColor(60, 60, 60));
    for (bool inferior : {true, false}) {
        for (const BarraDibujada& b : DisponerVarillas(f, inferior)) {
            const double radio = std::max(b.diametro * s / 2, 0.8 * pt);
            pintor.drawEllipse(P(b.x, b.y), radio, radio);
        }
    }
    pintor.setPen(QPen(QColor(160, 0, 0), 0.6 * pt, Qt::DashLine));
    pintor.drawLine(P(0, f.Ycg) - QPointF(6 * pt, 0), P(ancho, f.Ycg) + QPointF(6 * pt, 0));
    pintor.restore();

    // Dimensions: widths above and below, heights on the right, centroid,
    // d and the cover on the left.
    const double arriba = 8 * pt, lado = 10 * pt;
    if (rect) {
        Cota(pintor, t, P(0, alto) - QPointF(0, arriba), P(ancho, alto) - QPointF(0, arriba),
             Cm("b", f.b), {0, -1});
        Cota(pintor, t, P(ancho, 0) + QPointF(lado, 0), P(ancho, alto) + QPointF(lado, 0),
             Cm("h", f.h), {1, 0});
    } else if (invertida) {
        Cota(pintor, t, P(0, 0) + QPointF(0, arriba), P(f.bf, 0) + QPointF(0, arriba),
             Cm("b_{f}", f.bf), {0, 1});
        Cota(pintor, t, P(almaIzq, alto) - QPointF(0, arriba),
             P(almaDer, alto) - QPointF(0, arriba), Cm("b_{w}", f.bw), {0, -1});
        Cota(pintor, t, P(ancho, 0) + QPointF(lado, 0), P(ancho, f.hf) + QPointF(lado, 0),
             Cm("h_{f}", f.hf), {1, 0});
        Cota(pintor, t, P(ancho, f.hf) + QPointF(lado, 0), P(ancho, alto) + QPointF(lado, 0),
             Cm("h_{w}", f.hw), {1, 0});
    } else {
        Cota(pintor, t, P(0, alto) - QPointF(0, arriba), P(f.bf, alto) - QPointF(0, arriba),
             Cm("b_{f}", f.bf), {0, -1});
        Cota(pintor, t, P(almaIzq, 0) + QPointF(0, arriba), P(almaDer, 0) + QPointF(0, arriba),
             Cm("b_{w}", f.bw), {0, 1});
        Cota(pintor, t, P(ancho, f.hw) + QPointF(lado, 0), P(ancho, alto) + QPointF(lado, 0),
             Cm("h_{f}", f.hf), {1, 0});
        Cota(pintor, t, P(ancho, 0) + QPointF(lado, 0), P(ancho, f.hw) + QPointF(lado, 0),
             Cm("h_{w}", f.hw), {1, 0});
    }
    Cota(pintor, t, P(0, 0) - QPointF(lado, 0), P(0, f.Ycg) - QPointF(lado, 0), Cm("y_{cg}", f.Ycg),
         {-1, 0});
    const double izquierda = lado + 65 * pt;
    Cota(pintor, t, P(0, alto - f.d) - QPointF(izquierda, 0), P(0, alto) - QPointF(izquierda, 0),
         Cm("d", f.d), {-1, 0});
    Cota(pintor, t, P(ancho, 0) + QPointF(lado + 60 * pt, 0),
         P(ancho, r) + QPointF(lado + 60 * pt, 0), Cm("r", r), {1, 0});

    // The legend: each face's bars, the note on compression steel.
    double y = caja.bottom() - leyenda;
    for (const std::string& linea : f.leyenda) {
        t.Dibujar(pintor, linea, Estilo::Figura, caja.left(), y);
        y += t.AltoLinea(Estilo::Figura);
    }
}

namespace {

// Width over height of the extent of a drawing, cm over cm; 0 when it has
// no extent.
double Proporcion(const Dibujo& d) {
    // cm, the smallest and largest abscissa and ordinate reached
    double xMin = INFINITY, xMax = -INFINITY, yMin = INFINITY, yMax = -INFINITY;
    auto punto = [&](PuntoCm p, double r) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(r)) return;
        xMin = std::min(xMin, p.x - r);
        xMax = std::max(xMax, p.x + r);
        yMin = std::min(yMin, p.y - r);
        yMax = std::max(yMax, p.y + r);
    };
    for (const LineaDibujo& l : d.lineas) {
        punto(l.a, 0);
        punto(l.b, 0);
    }
    for (const PolilineaDibujo& l : d.polilineas) {
        for (PuntoCm p : l.puntos) punto(p, 0);
    }
    for (const CirculoDibujo& c : d.circulos) punto(c.centro, c.radio);
    for (const TextoDibujo& x : d.textos) punto(x.punto, x.altura);
    if (!(xMax - xMin > 0) || !(yMax - yMin > 0)) return 0;
    return (xMax - xMin) / (yMax - yMin);
}

}  // namespace

double AltoFigura(const FiguraDibujo& f, const Tipos& t, double ancho) {
    const double pt = t.Punto();
    const double proporcion = Proporcion(f.dibujo);
    const double caja = proporcion > 0 ? ancho / proporcion : kAltoDibujoMax * pt;
    return t.AltoLinea(Estilo::FiguraTitulo) +
           std::clamp(caja, kAltoDibujoMin * pt, kAltoDibujoMax * pt);
}

void DibujarFigura(QPainter& pintor, const FiguraDibujo& f, const Tipos& t, const QRectF& caja) {
    t.Dibujar(pintor, f.titulo, Estilo::FiguraTitulo, caja.left(), caja.top());
    const double titulo = t.AltoLinea(Estilo::FiguraTitulo);
    pintor.save();
    PintarDibujo(pintor, f.dibujo,
                 QRectF(caja.left(), caja.top() + titulo, caja.width(), caja.height() - titulo));
    pintor.restore();
}

}  // namespace korvex::ui::memoria
