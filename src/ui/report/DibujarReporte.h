// The report page drawn on any QPainter device: the preview sheet, a
// printer or a PDF file. The painter's coordinates must be twips of the
// letter page (12240 x 15840); the fonts are given in twips as well (1 pt =
// 20 twips), so one drawing serves every device resolution.
#pragma once

#include <QString>

#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

class QPainter;
class QPagedPaintDevice;

namespace korvex::ui {

// Paints the page of `p` with the result `r` of its calculation: preview sizes (6-point text) when
// `imprimiendo` is false, printed sizes (13-point text) when true. The two diagram pictures are
// always shear and moment, drawn from the sampled arrays.
void DibujarReporte(QPainter& pintor, const Proyecto& p, const ResultadoCalculo& r,
                    bool imprimiendo);

// Draws the printed page on a paged device (printer or PDF writer) set to
// letter size, the whole paper addressable. Returns false when the device
// cannot be painted on.
bool ImprimirPagina(QPagedPaintDevice& dispositivo, const Proyecto& p, const ResultadoCalculo& r);

// Writes the printed page as a one-page vector PDF (letter size) to `ruta`,
// replacing the file only when the whole page was written. Returns an empty
// text, or the Spanish reason of the failure.
QString EscribirPdf(const Proyecto& p, const ResultadoCalculo& r, const QString& ruta);

}  // namespace korvex::ui
