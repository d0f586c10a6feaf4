#include "ui/common/Lienzo.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace korvex::ui {

namespace {

constexpr double kTwipsPorPulgada = 1440.0;
constexpr double kTwipsPorPunto = 20.0;

}  // namespace

Lienzo::Lienzo(double anchoTwips, double altoTwips, QWidget* padre)
    : QWidget(padre), ancho_(anchoTwips), alto_(altoTwips) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Lienzo::FijarTamanoLogico(double anchoTwips, double altoTwips) {
    ancho_ = anchoTwips;
    alto_ = altoTwips;
    updateGeometry();
    ColocarHijos();
    update();
}

void Lienzo::MantenerProporcion(bool si) {
    proporcional_ = si;
    ColocarHijos();
    update();
}

void Lienzo::Agregar(Primitiva p) {
    primitivas_.push_back(std::move(p));
    update();
}

void Lienzo::Linea(QPointF a, QPointF b, const QColor& color, double grosor) {
    Primitiva p;
    p.tipo = Primitiva::Linea;
    p.puntos = {a, b};
    p.color = color;
    p.grosor = grosor;
    Agregar(std::move(p));
}

void Lienzo::Polilinea(const QVector<QPointF>& puntos, const QColor& color, double grosor) {
    Primitiva p;
    p.tipo = Primitiva::Polilinea;
    p.puntos = puntos;
    p.color = color;
    p.grosor = grosor;
    Agregar(std::move(p));
}

void Lienzo::Poligono(const QVector<QPointF>& puntos, const QColor& borde, const QColor& relleno) {
    Primitiva p;
    p.tipo = Primitiva::Poligono;
    p.puntos = puntos;
    p.color = borde;
    p.relleno = relleno;
    Agregar(std::move(p));
}

void Lienzo::Arco(QPointF centro, double radio, double inicioGrados, double barridoGrados,
                  const QColor& color, const QColor& relleno) {
    Primitiva p;
    p.tipo = Primitiva::Arco;
    p.puntos = {centro};
    p.radio = radio;
    p.inicio = inicioGrados;
    p.barrido = barridoGrados;
    p.color = color;
    p.relleno = relleno;
    Agregar(std::move(p));
}

void Lienzo::Circulo(QPointF centro, double radio, const QColor& color, const QColor& relleno) {
    Arco(centro, radio, 0, 360, color, relleno);
}

void Lienzo::Punto(QPointF punto, const QColor& color) {
    Primitiva p;
    p.tipo = Primitiva::Punto;
    p.puntos = {punto};
    p.color = color;
    Agregar(std::move(p));
}

void Lienzo::Texto(QPointF esquina, const QString& texto, const QFont& fuente,
                   const QColor& color) {
    Primitiva p;
    p.tipo = Primitiva::Texto;
    p.puntos = {esquina};
    p.texto = texto;
    p.fuente = fuente;
    p.color = color;
    Agregar(std::move(p));
}

void Lienzo::Limpiar() {
    primitivas_.clear();
    update();
}

void Lienzo::Atenuar(bool si) {
    if (atenuado_ == si) return;
    atenuado_ = si;
    update();
}

QRectF Lienzo::Destino(const QRectF& caja) const {
    if (!proporcional_ || ancho_ <= 0 || alto_ <= 0) return caja;
    const double escala = std::min(caja.width() / ancho_, caja.height() / alto_);
    const QSizeF t(ancho_ * escala, alto_ * escala);
    return QRectF(caja.x() + (caja.width() - t.width()) / 2,
                  caja.y() + (caja.height() - t.height()) / 2, t.width(), t.height());
}

void Lienzo::Pintar(QPainter& p, const QRectF& destino) const {
    if (ancho_ <= 0 || alto_ <= 0) return;
    const QRectF r = Destino(destino);
    const double sx = r.width() / ancho_;
    const double sy = r.height() / alto_;
    auto mapa = [&](QPointF t) { return QPointF(r.x() + t.x() * sx, r.y() + t.y() * sy); };

    // A thin line is one pixel of a screen of standard resolution: on a
    // high-resolution screen (device pixel ratio 2) it is two device pixels
    // wide, so a hatched diagram keeps its weight while its edges, slopes and
    // texts are drawn at the device's own resolution. On a printer or a PDF
    // (ratio 1) it stays the device's finest line.
    // The engine's device is the surface really painted (a widget's backing
    // store, or the image a widget is rendered into).
    const QPaintDevice* superficie =
        p.paintEngine() != nullptr ? p.paintEngine()->paintDevice() : p.device();
    const double ratio = superficie != nullptr ? superficie->devicePixelRatio() : 1.0;
    const double fino = ratio > 1 ? ratio : 0.0;

    p.save();
    p.setClipRect(destino);
    for (const Primitiva& q : primitivas_) {
        QPen lapiz(q.color);
        lapiz.setWidthF(q.grosor > 0 ? q.grosor * std::min(sx, sy) : fino);
        lapiz.setCosmetic(q.grosor <= 0);
        p.setPen(lapiz);
        p.setBrush(q.relleno.isValid() ? QBrush(q.relleno) : QBrush(Qt::NoBrush));
        switch (q.tipo) {
            case Primitiva::Linea:
                if (q.puntos.size() == 2) p.drawLine(mapa(q.puntos[0]), mapa(q.puntos[1]));
                break;
            case Primitiva::Polilinea:
            case Primitiva::Poligono: {
                QPolygonF poli;
                poli.reserve(q.puntos.size());
                for (const QPointF& t : q.puntos) poli << mapa(t);
                if (q.tipo == Primitiva::Polilinea) {
                    p.drawPolyline(poli);
                } else {
                    p.drawPolygon(poli);
                }
                break;
            }
            case Primitiva::Arco: {
                if (q.puntos.isEmpty()) break;
                const QPointF c = mapa(q.puntos[0]);
                const QRectF caja(c.x() - q.radio * sx, c.y() - q.radio * sy, 2 * q.radio * sx,
                                  2 * q.radio * sy);
                const int a0 = static_cast<int>(std::lround(q.inicio * 16));
                const int da = static_cast<int>(std::lround(q.barrido * 16));
                p.setRenderHint(QPainter::Antialiasing, true);
                if (std::abs(q.barrido) >= 360) {
                    p.drawEllipse(caja);
                } else if (q.relleno.isValid()) {
                    p.drawPie(caja, a0, da);
                } else {
                    p.drawArc(caja, a0, da);
                }
                p.setRenderHint(QPainter::Antialiasing, false);
                break;
            }
            case Primitiva::Punto:
                if (!q.puntos.isEmpty()) p.drawPoint(mapa(q.puntos[0]));
                break;
            case Primitiva::Texto: {
                if (q.puntos.isEmpty()) break;
                QFont f = q.fuente;
                const double puntos = f.pointSizeF() > 0 ? f.pointSizeF() : 8.0;
                f.setPixelSize(
                    std::max(1, static_cast<int>(std::lround(puntos * kTwipsPorPunto * sy))));
                p.setFont(f);
                const QPointF esquina = mapa(q.puntos[0]);
                const QFontMetricsF m(f, p.device());
                p.drawText(QPointF(esquina.x(), esquina.y() + m.ascent()), q.texto);
                break;
            }
        }
    }
    p.restore();
}

QPointF Lienzo::ATwips(QPointF pixel) const {
    const QRectF r = Destino(QRectF(rect()));
    if (r.width() <= 0 || r.height() <= 0) return {};
    return QPointF((pixel.x() - r.x()) * ancho_ / r.width(),
                   (pixel.y() - r.y()) * alto_ / r.height());
}

QPointF Lienzo::APixeles(QPointF twips) const {
    const QRectF r = Destino(QRectF(rect()));
    if (ancho_ <= 0 || alto_ <= 0) return r.topLeft();
    return QPointF(r.x() + twips.x() * r.width() / ancho_, r.y() + twips.y() * r.height() / alto_);
}

void Lienzo::Colocar(QWidget* hijo, double xTwips, double yTwips) {
    if (hijo == nullptr) return;
    if (hijo->parentWidget() != this) hijo->setParent(this);
    hijo->setAttribute(Qt::WA_TransparentForMouseEvents);
    hijos_[hijo] = QPointF(xTwips, yTwips);
    ColocarHijos();
}

double Lienzo::IzquierdaTwips(const QWidget* hijo) const {
    return hijos_.value(hijo, QPointF(-1, -1)).x();
}

double Lienzo::ArribaTwips(const QWidget* hijo) const {
    return hijos_.value(hijo, QPointF(-1, -1)).y();
}

void Lienzo::ColocarHijos() {
    for (auto it = hijos_.cbegin(); it != hijos_.cend(); ++it) {
        QWidget* h = const_cast<QWidget*>(it.key());
        const QPoint p = APixeles(it.value()).toPoint();
        // As wide as the rest of the box, so a longer caption is never cut.
        const int ancho = std::max(1, width() - p.x());
        h->setGeometry(p.x(), p.y(), ancho, h->sizeHint().height());
    }
}

int Lienzo::Px(double twips, const QWidget* w) {
    double dpi = 96.0;
    if (w != nullptr) {
        dpi = w->logicalDpiY();
    } else if (const QScreen* s = QGuiApplication::primaryScreen()) {
        dpi = s->logicalDotsPerInchY();
    }
    return static_cast<int>(std::lround(twips * dpi / kTwipsPorPulgada));
}

QSize Lienzo::sizeHint() const {
    return QSize(Px(ancho_, this), Px(alto_, this));
}

QSize Lienzo::minimumSizeHint() const {
    return QSize(Px(ancho_, this) / 2, Px(alto_, this) / 2);
}

void Lienzo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    Pintar(p, QRectF(rect()));
    // The veil: white turns mid grey and the colours of the curves fade.
    if (atenuado_) p.fillRect(rect(), QColor(160, 160, 160, 150));
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Lienzo::mouseMoveEvent(QMouseEvent* e) {
    const QPointF t = ATwips(e->position());
    emit MovimientoTwips(t.x(), t.y());
    QWidget::mouseMoveEvent(e);
}

void Lienzo::leaveEvent(QEvent* e) {
    emit Salida();
    QWidget::leaveEvent(e);
}

void Lienzo::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ColocarHijos();
}

}  // namespace korvex::ui
