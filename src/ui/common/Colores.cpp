#include "ui/common/Colores.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace korvex::ui {

namespace {

constexpr const char* kPropiedad = "korvexFondo";

void Fondo(QWidget* w, QPalette::ColorRole origen, std::int32_t codigo) {
    if (w == nullptr) return;
    QPalette p = w->palette();
    const QPalette app = QApplication::palette(w);
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(grupo, QPalette::Base, app.color(grupo, origen));
    }
    w->setPalette(p);
    w->setProperty(kPropiedad, codigo);
}

}  // namespace

void FondoBoton(QWidget* w) {
    Fondo(w, QPalette::Button, kCodigoFondoBoton);
}

void FondoVentana(QWidget* w) {
    Fondo(w, QPalette::Base, kCodigoFondoVentana);
}

std::int32_t CodigoFondo(const QWidget* w) {
    if (w == nullptr) return kCodigoFondoVentana;
    const QVariant v = w->property(kPropiedad);
    return v.isValid() ? v.toInt() : kCodigoFondoVentana;
}

void AplicarCodigoFondo(QWidget* w, std::int32_t codigo) {
    if (codigo == kCodigoFondoBoton) {
        FondoBoton(w);
    } else {
        FondoVentana(w);
    }
}

void TextoVentana(QWidget* w) {
    if (w == nullptr) return;
    QPalette p = w->palette();
    const QPalette app = QApplication::palette(w);
    for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(grupo, QPalette::Text, app.color(grupo, QPalette::Text));
    }
    w->setPalette(p);
}

}  // namespace korvex::ui
