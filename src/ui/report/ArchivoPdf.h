// A PDF document laid out in memory and written to its file whole or not at
// all, through the core's file writer: a failure names the file and the
// reason, leaves the previous file as it was and no temporary file behind.
#pragma once

#include <QString>
#include <functional>

class QPdfWriter;

namespace korvex::ui {

// Lays out the document with `pintar` (which sets the page and paints every
// page; false when the drawing failed) on a PDF titled `titulo`, then writes
// it to `ruta`. Returns an empty text, `fallo` when the drawing failed, or
// the message of a failed save ("No se pudo guardar el archivo "…": el disco
// está lleno.").
QString EscribirPdfEntero(const QString& ruta, const QString& titulo,
                          const std::function<bool(QPdfWriter&)>& pintar, const QString& fallo);

}  // namespace korvex::ui
