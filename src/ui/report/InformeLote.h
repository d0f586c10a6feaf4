// korvex --informe OUT.pdf FILE.kvx [--uso N] [--estribo D]: the project is
// read and calculated as the open command does, and its report page is
// written as a PDF, without showing any window. Needs a QApplication (the
// offscreen platform is enough).
#pragma once

#include <QString>
#include <string>

#include "batch/Lote.h"

namespace korvex::ui {

struct OpcionesInforme {
    std::string archivo;  // the project, in the file system's encoding
    QString pdf;          // the PDF to write
    int uso = 1;
    std::string estribo = "3/8";
    bool alternancia = false;  // live-load arrangements on, whatever the file says
};

// Exit status 0 when the PDF was written, 1 when the project was refused,
// could not be calculated or the PDF could not be written; the messages of
// the calculation go to standard error.
korvex::lote::Salida InformePdf(const OpcionesInforme& o);

}  // namespace korvex::ui
