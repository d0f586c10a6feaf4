#include "ui/common/PintarDibujo.h"

namespace korvex {

// Placeholder until the painter lands.
void PintarDibujo(QPainter&, const Dibujo&, const QRectF&) {}

}  // namespace korvex
