// The figures of the calculation report: a diagram along the beam (axes,
// a grid in metres, the curve, the envelope, the supports and the labelled
// extremes) and the cross-section to scale with its dimensions, the bars
// proposed for each face and their legend; the drawing of the bars of the
// schedule. Everything is drawn inside the
// given box.
#pragma once

#include <QRectF>

#include "project/Memoria.h"
#include "ui/report/TextoMemoria.h"

class QPainter;

namespace korvex::ui::memoria {

// Height of a figure that is `ancho` wide, device units.
double AltoFigura(const FiguraDiagrama& f, const Tipos& t);
double AltoFigura(const FiguraSeccion& f, const Tipos& t);
// A drawing of the bars: its title and a box of width `ancho` as tall as
// the drawing's proportions ask, within limits that keep it on one page.
double AltoFigura(const FiguraDibujo& f, const Tipos& t, double ancho);

void DibujarFigura(QPainter& pintor, const FiguraDiagrama& f, const Tipos& t, const QRectF& caja);
void DibujarFigura(QPainter& pintor, const FiguraSeccion& f, const Tipos& t, const QRectF& caja);
void DibujarFigura(QPainter& pintor, const FiguraDibujo& f, const Tipos& t, const QRectF& caja);

// A step of 1, 2, 2.5 or 5 times a power of ten near `aproximado`.
double PasoRedondo(double aproximado);

}  // namespace korvex::ui::memoria
