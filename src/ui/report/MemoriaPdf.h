// The calculation report ("Memoria de cálculo") of a calculated project as a
// multi-page vector PDF, letter size: the blocks of the core's report laid
// out on pages with a header (program, project file, date) and "Página N de
// M" on each. No block is split across pages: a table too long for a page
// continues on the next with its header repeated, never cut inside a row;
// a heading stays with what follows it.
#pragma once

#include <QDate>
#include <QString>

#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

namespace korvex::ui {

// Writes the report of `p` calculated as `r` to `ruta` atomically: the file appears only when
// the whole document was written. `archivo` is the project's file name for
// the header (empty: none), `fecha` the date printed. Returns an empty text,
// or the Spanish reason of the failure (and then leaves no file behind).
QString EscribirMemoria(const Proyecto& p, const ResultadoCalculo& r, const QString& ruta,
                        const QString& archivo = {}, const QDate& fecha = QDate::currentDate());

}  // namespace korvex::ui
