#include "ui/section/OpcionLarga.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace korvex::ui {

namespace {
constexpr int kAnchoPreferido = 420;  // px: about 60 characters a line
}

OpcionLarga::OpcionLarga(const QString& texto, QWidget* padre) : QRadioButton(texto, padre) {
    QSizePolicy p(QSizePolicy::Preferred, QSizePolicy::Preferred);
    p.setHeightForWidth(true);
    setSizePolicy(p);
}

int OpcionLarga::AnchoIndicador() const {
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect OpcionLarga::ZonaTexto(int ancho) const {
    const int x = AnchoIndicador() + 2;
    const QRect r = fontMetrics().boundingRect(QRect(0, 0, std::max(40, ancho - x), 10000),
                                               Qt::TextWordWrap | Qt::AlignLeft, text());
    return QRect(x, 0, std::max(40, ancho - x), r.height());
}

int OpcionLarga::heightForWidth(int ancho) const {
    const int indicador = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(indicador, ZonaTexto(ancho).height()) + 4;
}

QSize OpcionLarga::sizeHint() const {
    return QSize(kAnchoPreferido, heightForWidth(kAnchoPreferido));
}

QSize OpcionLarga::minimumSizeHint() const {
    return QSize(200, heightForWidth(200));
}

void OpcionLarga::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton o;
    initStyleOption(&o);
    o.text.clear();
    const int alto = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    const int linea = fontMetrics().height();
    o.rect = QRect(0, std::max(0, (linea - alto) / 2) + 2, AnchoIndicador(), alto);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, o);
    const QRect zona = ZonaTexto(width()).translated(0, 2);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(zona, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = zona.adjusted(-1, -1, 1, 1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, f);
    }
}

bool OpcionLarga::hitButton(const QPoint& p) const {
    return rect().contains(p);
}

}  // namespace korvex::ui
