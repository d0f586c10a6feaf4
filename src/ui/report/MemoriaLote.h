// korvex --memoria OUT.pdf FILE.kvx [--uso N] [--estribo D] [--alternancia]:
// the project is read and calculated as the open command does, and its
// calculation report is written as a PDF, without showing any window.
// Needs a QApplication (the offscreen platform is enough).
#pragma once

#include "batch/Lote.h"
#include "ui/report/InformeLote.h"

namespace korvex::ui {

// Exit status 0 when the PDF was written, 1 when the project was refused,
// could not be calculated or the PDF could not be written (no file is left
// then); the messages of the calculation go to standard error.
korvex::lote::Salida MemoriaLote(const OpcionesInforme& o);

}  // namespace korvex::ui
