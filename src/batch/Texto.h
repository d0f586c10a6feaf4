// Small text helpers of the headless command.
#pragma once

#include <string>

namespace korvex::lote {

// A Single as the JSON number of its shortest decimal form (0.1f -> 0.1, not
// 0.100000001490116); 0 for a value that is not finite, which JSON cannot hold.
double NumeroJson(float v);
double NumeroJson(double v);

// `t` padded with blanks to `ancho` characters (code points, so that accents
// count as one), on the right or, with `derecha`, on the left.
std::string Columna(const std::string& t, int ancho, bool derecha = false);

}  // namespace korvex::lote
