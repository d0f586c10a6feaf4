#include "ui/common/Iconos.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <map>

namespace korvex::ui {

namespace {

constexpr int kLado = 32;  // the pictures are drawn on a 32 x 32 grid, scaled to the size asked

const QColor kTinta(40, 40, 40);
const QColor kHormigon(190, 190, 180);
const QColor kAcero(30, 70, 160);

void Pagina(QPainter& p) {
    QPainterPath h;
    h.moveTo(7, 3);
    h.lineTo(20, 3);
    h.lineTo(26, 9);
    h.lineTo(26, 29);
    h.lineTo(7, 29);
    h.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(h);
    p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
}

void Carpeta(QPainter& p) {
    p.setBrush(QColor(235, 200, 90));
    p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(15, 11), QPointF(28, 11),
                             QPointF(28, 27), QPointF(3, 27)}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({QPointF(6, 15), QPointF(31, 15), QPointF(28, 27), QPointF(3, 27)}));
}

void Disco(QPainter& p) {
    p.setBrush(kAcero);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void Impresora(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(160, 160, 160));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
}

void Flecha(QPainter& p, double x, double y0, double y1) {
    p.drawLine(QPointF(x, y0), QPointF(x, y1));
    p.drawPolygon(QPolygonF({QPointF(x - 2.5, y1 - 4), QPointF(x + 2.5, y1 - 4), QPointF(x, y1)}));
}

void Cargas(QPainter& p) {
    p.setBrush(kHormigon);
    p.drawRect(QRectF(2, 18, 28, 5));
    p.setBrush(kTinta);
    for (double x : {7.0, 16.0, 25.0}) Flecha(p, x, 4, 17);
    p.drawPolygon(QPolygonF({QPointF(4, 23), QPointF(1, 29), QPointF(7, 29)}));
    p.drawPolygon(QPolygonF({QPointF(28, 23), QPointF(25, 29), QPointF(31, 29)}));
}

void Ayuda(QPainter& p) {
    p.setBrush(QColor(60, 120, 200));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont f = p.font();
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, "?");
}

// The three shapes, hatched as concrete, flange on top for a T.
void Rectangulo(QPainter& p) {
    p.setBrush(kHormigon);
    p.drawRect(QRectF(10, 3, 12, 26));
}

void Te(QPainter& p, bool invertida) {
    p.setBrush(kHormigon);
    QPolygonF t({QPointF(3, 3), QPointF(29, 3), QPointF(29, 10), QPointF(20, 10), QPointF(20, 29),
                 QPointF(12, 29), QPointF(12, 10), QPointF(3, 10)});
    if (invertida) {
        for (QPointF& q : t) q.setY(kLado - q.y());
    }
    p.drawPolygon(t);
}

using Dibujo = void (*)(QPainter&);

// The drawing of `clave` on the 32 x 32 grid; nullptr for an unknown key.
Dibujo DibujoDe(const QString& clave) {
    static const std::map<QString, Dibujo> dibujos = {
        {"Nuevo", Pagina},
        {"Abrir", Carpeta},
        {"Salvar", Disco},
        {"Imprimir", Impresora},
        {"Cargas", Cargas},
        {"Secciones", [](QPainter& p) { Te(p, false); }},
        {"Ayuda", Ayuda},
        {"Viga_Rect", Rectangulo},
        {"Viga_T", [](QPainter& p) { Te(p, false); }},
        {"Viga_Ti", [](QPainter& p) { Te(p, true); }}};
    const auto it = dibujos.find(clave);
    return it == dibujos.end() ? nullptr : it->second;
}

// An icon that paints its picture at whatever size and device pixel ratio
// it is asked for, so a toolbar on a high-resolution screen gets a sharp
// picture rather than a small bitmap scaled up.
class MotorIcono : public QIconEngine {
  public:
    explicit MotorIcono(Dibujo dibujo) : dibujo_(dibujo) {}

    void paint(QPainter* p, const QRect& caja, QIcon::Mode modo, QIcon::State estado) override {
        // Through a pixmap at the device's resolution, so the disabled look
        // is the style's own.
        const qreal dpr = p->device() != nullptr ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(caja, scaledPixmap(caja.size() * dpr, modo, estado, dpr));
    }

    QPixmap pixmap(const QSize& tamano, QIcon::Mode modo, QIcon::State estado) override {
        return scaledPixmap(tamano, modo, estado, 1.0);
    }

    // `tamano` is in device pixels; the pixmap is drawn at that size.
    QPixmap scaledPixmap(const QSize& tamano, QIcon::Mode modo, QIcon::State,
                         qreal escala) override {
        const int lado = std::max(1, std::min(tamano.width(), tamano.height()));
        QPixmap px(lado, lado);
        px.fill(Qt::transparent);
        {
            QPainter p(&px);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(lado / double(kLado), lado / double(kLado));
            p.setPen(QPen(kTinta, 1.2));
            dibujo_(p);
        }
        if (modo != QIcon::Normal) {
            QStyleOption opcion;
            opcion.palette = QApplication::palette();
            px = QApplication::style()->generatedIconPixmap(modo, px, &opcion);
        }
        px.setDevicePixelRatio(escala > 0 ? escala : 1.0);
        return px;
    }

    QSize actualSize(const QSize& tamano, QIcon::Mode, QIcon::State) override {
        const int lado = std::min(tamano.width(), tamano.height());
        return {lado, lado};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QString key() const override { return QStringLiteral("korvex"); }
    QIconEngine* clone() const override { return new MotorIcono(dibujo_); }

  private:
    Dibujo dibujo_;
};

}  // namespace

QIcon Icono(const QString& clave) {
    const Dibujo dibujo = DibujoDe(clave);
    if (dibujo == nullptr) return {};
    return QIcon(new MotorIcono(dibujo));
}

}  // namespace korvex::ui
