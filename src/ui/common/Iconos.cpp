#include "ui/common/Iconos.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <algorithm>
#include <map>

// The toolbar pictures are a resource of the static UI library: registered
// by name before the first icon is made.
static void RegistrarIconos() {
    Q_INIT_RESOURCE(iconos);
}

namespace korvex::ui {

namespace {

// The toolbar pictures are SVG drawings compiled into the program; the name
// of each key's drawing, or an empty string for an unknown key.
QString SvgDe(const QString& clave) {
    static const std::map<QString, QString> archivos = {
        {"Nuevo", "nuevo"},       {"Abrir", "abrir"},         {"Salvar", "salvar"},
        {"Imprimir", "imprimir"}, {"Cargas", "cargas"},       {"Secciones", "viga_t"},
        {"Ayuda", "ayuda"},       {"Viga_Rect", "viga_rect"}, {"Viga_T", "viga_t"},
        {"Viga_Ti", "viga_ti"}};
    const auto it = archivos.find(clave);
    return it == archivos.end() ? QString() : ":/iconos/" + it->second + ".svg";
}

// An icon that paints its picture at whatever size and device pixel ratio
// it is asked for, so a toolbar on a high-resolution screen gets a sharp
// picture rather than a small bitmap scaled up.
class MotorIcono : public QIconEngine {
  public:
    explicit MotorIcono(const QString& svg) : svg_(svg) {}

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
            QSvgRenderer dibujo(svg_);
            dibujo.render(&p, QRectF(0, 0, lado, lado));
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
    QIconEngine* clone() const override { return new MotorIcono(svg_); }

  private:
    QString svg_;
};

}  // namespace

QIcon Icono(const QString& clave) {
    static const bool registrados = (RegistrarIconos(), true);
    (void)registrados;
    const QString svg = SvgDe(clave);
    if (svg.isEmpty()) return {};
    return QIcon(new MotorIcono(svg));
}

}  // namespace korvex::ui
