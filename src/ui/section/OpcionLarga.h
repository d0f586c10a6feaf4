// An option button whose long caption wraps over several lines, for the
// deflection-use dialog. text() keeps the exact caption; the whole area of
// the button (indicator and text) answers the mouse.
#pragma once

#include <QRadioButton>

namespace korvex::ui {

class OpcionLarga : public QRadioButton {
    Q_OBJECT

  public:
    OpcionLarga(const QString& texto, QWidget* padre = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int ancho) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& p) const override;

  private:
    int AnchoIndicador() const;
    QRect ZonaTexto(int ancho) const;
};

}  // namespace korvex::ui
