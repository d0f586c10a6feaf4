// The drawing of a beam as a DXF file (AutoCAD 2000, ASCII) that a drafter
// opens in any CAD program: one layer per kind of line, coordinates in
// centimetres ($INSUNITS 5), texts in the Windows-1252 code page the file
// declares ($DWGCODEPAGE), as files of that version carry them.
#pragma once

#include <string>

#include "model/Dibujo.h"

namespace korvex {

// The bytes of the DXF file of `d`, or "" when a coordinate, radius or
// height is not a finite number (nothing that is not a number reaches a file).
std::string DxfDe(const Dibujo& d);

// Writes the DXF file of `d` into `ruta` whole or not at all. Returns the
// reason of a failure in Spanish, empty on success.
std::string EscribirDxf(const std::string& ruta, const Dibujo& d);

}  // namespace korvex
