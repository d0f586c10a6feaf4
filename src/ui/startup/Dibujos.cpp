#include "ui/startup/Dibujos.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace korvex::ui {

namespace {

const QColor kConcreto(190, 190, 185);
const QColor kBorde(60, 60, 70);
const QColor kCarga(200, 40, 40);
const QColor kAcero(30, 60, 160);

QPixmap Lamina(QSize tamano) {
    QPixmap p(tamano);
    p.fill(Qt::transparent);
    return p;
}

// A load arrow pointing down, its tip at (x, y), `largo` long.
void Flecha(QPainter& g, double x, double y, double largo) {
    g.drawLine(QPointF(x, y - largo), QPointF(x, y));
    const double a = largo * 0.22;
    g.drawPolygon(
        QPolygonF({QPointF(x, y), QPointF(x - a * 0.6, y - a), QPointF(x + a * 0.6, y - a)}));
}

// A pin support: a triangle under the beam at abscissa x.
void Apoyo(QPainter& g, double x, double y, double lado) {
    g.drawPolygon(QPolygonF(
        {QPointF(x, y), QPointF(x - lado / 2, y + lado), QPointF(x + lado / 2, y + lado)}));
}

}  // namespace

QPixmap DibujoViga(QSize tamano) {
    QPixmap p = Lamina(tamano);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = tamano.width(), h = tamano.height();
    const double x0 = w * 0.08, x1 = w * 0.92;  // beam ends
    const double ya = h * 0.55, yb = h * 0.68;  // top and bottom of the beam
    // The beam with its cantilevers.
    g.setPen(QPen(kBorde, 1.5));
    g.setBrush(kConcreto);
    g.drawRect(QRectF(x0, ya, x1 - x0, yb - ya));
    // Supports inside the length, leaving two cantilevers.
    g.setBrush(kBorde);
    const double lado = h * 0.14;
    Apoyo(g, x0 + (x1 - x0) * 0.18, yb, lado);
    Apoyo(g, x0 + (x1 - x0) * 0.82, yb, lado);
    // Uniform load: a row of arrows under a line.
    g.setPen(QPen(kCarga, 1.5));
    g.setBrush(kCarga);
    const double alto = h * 0.2;
    g.drawLine(QPointF(x0, ya - h * 0.04 - alto), QPointF(x1, ya - h * 0.04 - alto));
    for (int i = 0; i <= 8; ++i) Flecha(g, x0 + (x1 - x0) * i / 8.0, ya - h * 0.04, alto);
    // A point load at mid-span, longer than the distributed arrows.
    g.setPen(QPen(kCarga, 3));
    Flecha(g, (x0 + x1) / 2, ya - h * 0.04, h * 0.42);
    // Deflected shape under the beam, dashed.
    g.setPen(QPen(kAcero, 1.5, Qt::DashLine));
    g.setBrush(Qt::NoBrush);
    QPainterPath curva;
    curva.moveTo(x0, yb + h * 0.05);
    curva.quadTo((x0 + x1) / 2, yb + h * 0.32, x1, yb + h * 0.05);
    g.drawPath(curva);
    return p;
}

QPixmap DibujoSeccionT(QSize tamano) {
    QPixmap p = Lamina(tamano);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = tamano.width(), h = tamano.height();
    const double bf = w * 0.86, hf = h * 0.22, bw = w * 0.34, ht = h * 0.86;
    const double x = (w - bf) / 2, y = (h - ht) / 2;
    const double xw = (w - bw) / 2;
    QPolygonF t({QPointF(x, y), QPointF(x + bf, y), QPointF(x + bf, y + hf),
                 QPointF(xw + bw, y + hf), QPointF(xw + bw, y + ht), QPointF(xw, y + ht),
                 QPointF(xw, y + hf), QPointF(x, y + hf)});
    g.setPen(QPen(kBorde, 1.5));
    g.setBrush(kConcreto);
    g.drawPolygon(t);
    // Stirrup and the bars: three in tension at the bottom, two in the flange.
    const double r = std::max(2.0, bw * 0.08);
    const double c = r * 2.2;
    g.setPen(QPen(kAcero, 1.2));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(xw + c - r, y + c - r, bw - 2 * c + 2 * r, ht - 2 * c + 2 * r));
    g.setBrush(kAcero);
    for (int i = 0; i < 3; ++i) {
        g.drawEllipse(QPointF(xw + c + (bw - 2 * c) * i / 2.0, y + ht - c), r, r);
    }
    g.drawEllipse(QPointF(xw + c, y + c), r * 0.8, r * 0.8);
    g.drawEllipse(QPointF(xw + bw - c, y + c), r * 0.8, r * 0.8);
    return p;
}

QLabel* Imagen(const char* nombre, const QPixmap& dibujo, QWidget* padre) {
    auto* l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setPixmap(dibujo);
    l->setFixedSize(dibujo.size());
    return l;
}

}  // namespace korvex::ui
