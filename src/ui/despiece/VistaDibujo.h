// A widget that shows a drawing of layered primitives (model/Dibujo.h) on a
// white sheet, as large as fits and centred, repainted at every size the
// window takes.
#pragma once

#include <QWidget>

#include "model/Dibujo.h"

namespace korvex::ui {

class VistaDibujo : public QWidget {
    Q_OBJECT

  public:
    explicit VistaDibujo(QWidget* padre = nullptr);

    void FijarDibujo(Dibujo d);
    const Dibujo& dibujo() const { return dibujo_; }

    QSize sizeHint() const override { return {720, 300}; }
    QSize minimumSizeHint() const override { return {200, 90}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Dibujo dibujo_;
};

}  // namespace korvex::ui
