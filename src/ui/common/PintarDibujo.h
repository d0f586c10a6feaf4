// Paints a drawing of layered primitives (model/Dibujo.h) with QPainter,
// scaled to fit a box with its proportions kept and y upwards, in the colour
// of each layer: the same drawing the DXF file carries.
#pragma once

#include <QPainter>
#include <QRectF>

#include "model/Dibujo.h"

namespace korvex {

// Paints `d` into `caja` (device units of `p`), centred, as large as fits.
void PintarDibujo(QPainter& p, const Dibujo& d, const QRectF& caja);

}  // namespace korvex
