// korvex --informe OUT.pdf FILE.kvx [--uso N] [--estribo D] [--norma K]: the project is
// read and calculated as the open command does, and its report page is
// written as a PDF, without showing any window. Needs a QApplication (the
// offscreen platform is enough).
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "batch/Lote.h"
#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

namespace korvex::ui {

struct OpcionesInforme {
    std::string archivo;  // the project, in the file system's encoding
    QString pdf;          // the PDF to write
    int uso = 1;
    std::string estribo = "3/8";
    bool alternancia = false;  // live-load arrangements on, whatever the file says
    std::string norma{};       // key of the design rules; empty: the file's
};

// Exit status 0 when the PDF was written, 1 when the project was refused,
// could not be calculated or the PDF could not be written; the messages of
// the calculation go to standard error.
korvex::lote::Salida InformePdf(const OpcionesInforme& o);

// The part the PDF commands share: the project is read and calculated as
// the open command does, then `escribir` writes the PDF of the project and
// its result (it returns the
// message of a failure, empty on success). `documento` names the document
// in the message of a project that could not be calculated ("el informe"),
// `escrito` starts the line printed on success ("Informe escrito en").
korvex::lote::Salida PdfDeProyecto(
    const OpcionesInforme& o, const std::string& documento, const std::string& escrito,
    const std::function<QString(const Proyecto&, const ResultadoCalculo&)>& escribir);

}  // namespace korvex::ui
