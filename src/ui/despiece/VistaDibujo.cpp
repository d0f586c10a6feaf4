#include "ui/despiece/VistaDibujo.h"

#include <QPainter>
#include <QPalette>

#include "ui/common/PintarDibujo.h"

namespace korvex::ui {

VistaDibujo::VistaDibujo(QWidget* padre) : QWidget(padre) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void VistaDibujo::FijarDibujo(Dibujo d) {
    dibujo_ = std::move(d);
    update();
}

void VistaDibujo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PintarDibujo(p, dibujo_, QRectF(rect()));
    // Out of date: a grey veil over the drawing, as over the diagrams.
    if (!isEnabled()) p.fillRect(rect(), QColor(128, 128, 128, 90));
}

}  // namespace korvex::ui
