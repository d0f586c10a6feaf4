// A finished PDF document written to its file whole or not at all, through
// the core's file writer: a failure names the file and the reason, leaves
// the previous file as it was and no temporary file behind.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvex::ui {

// Writes `bytes` to `ruta`. Returns an empty text, or the message of the
// failure ("No se pudo guardar el archivo "…": el disco está lleno.").
QString GuardarPdf(const QString& ruta, const QByteArray& bytes);

}  // namespace korvex::ui
