// The pictures of the splash and about windows, drawn in code: the beam
// emblem (a beam on two supports under a distributed load and a point load)
// and the T section with its bars.
#pragma once

#include <QPixmap>
#include <QSize>

class QLabel;
class QWidget;

namespace korvex::ui {

QPixmap DibujoViga(QSize tamano);
QPixmap DibujoSeccionT(QSize tamano);

// A picture control named `nombre` showing `dibujo` at its own size.
QLabel* Imagen(const char* nombre, const QPixmap& dibujo, QWidget* padre);

}  // namespace korvex::ui
