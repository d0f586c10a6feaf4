// Reading numbers from field texts and writing numbers as texts.
// Locale independent: "." is the decimal point and "," the thousands
// separator, whatever the system locale.
#pragma once

#include <string>
#include <string_view>

namespace korvex::texto {

// The number of a field: the longest leading part of the text that reads as a
// decimal number (leading blanks skipped, optional sign, optional exponent).
// A text with no such part, the empty text included, reads 0. A value that
// does not fit a finite Single also reads 0: never inf or NaN.
double NumeroCampo(std::string_view texto);

// A field is numeric when its whole text, blanks around it allowed, is a
// decimal number whose value fits a finite Single.
bool EsNumerico(std::string_view texto);

// Number formats of the screens and the report. `patron` is one of
// "###,###.00", "###,###,###.00", "###,##0.00", "###,##0.000" and "Fixed".
// Halves round away from zero; the "###" patterns write no digit before the
// point for values below 1 (0.9 -> ".90").
std::string Formato(double valor, std::string_view patron);

// The plain shortest decimal form of a Single: 2.5 -> "2.5", 0 -> "0",
// -3 -> "-3", no exponent and no thousands separator.
std::string TextoSimple(float valor);

// The general numeric format of the report: up to 7 significant digits, no
// thousands separator, trailing zeros dropped (18.666666 -> "18.66667").
std::string FormatoGeneral(double valor);

}  // namespace korvex::texto
