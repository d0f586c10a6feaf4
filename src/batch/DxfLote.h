// korvex --dxf OUT.dxf FILE.kvx: the project read and calculated as the open
// command does, and the drawing of its bars (elevation, stirrup zones and
// cross-sections) written as a DXF file for a drafter.
#pragma once

#include <string>

#include "batch/Lote.h"

namespace korvex::lote {

struct OpcionesDxf {
    std::string archivo;          // the project
    std::string dxf;              // the DXF file to write
    int uso = 1;                  // deflection-use category 1..4
    std::string estribo = "3/8";  // answer to the stirrup question: "3/8" or "1/2"
    bool alternancia = false;     // live-load arrangements on, whatever the file says
    std::string norma{};          // key of the design rules; empty: the file's
};

// Status kSalidaLeido when the drawing was written ("Dibujo escrito en
// OUT.dxf" on standard output); kSalidaRechazado, with the reason in Spanish
// on standard error and no file written, when the project was refused, could
// not be calculated, its design failed, it has no bar schedule or the file
// could not be written. The messages of the calculation go to standard error.
Salida Dxf(const OpcionesDxf& o);

}  // namespace korvex::lote
