// Reading numbers from field texts and writing numbers as texts.
// Locale independent: "." is the decimal point and "," the thousands
// separator, whatever the system locale.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace korvex::texto {

// The number of a field: the longest leading part of the text that reads as a
// decimal number (leading blanks skipped, optional sign, optional exponent).
// A text with no such part, the empty text included, reads 0. A value that
// does not round to a finite Single also reads 0: never inf or NaN. A value
// just above the largest Single that still rounds to it reads as that Single.
double NumeroCampo(std::string_view texto);

// A field is numeric when its whole text, blanks around it allowed, is a
// decimal number whose value rounds to a finite Single.
bool EsNumerico(std::string_view texto);

// Number formats of the screens and the report. `patron` is one of
// "###,###.00", "###,###,###.00", "###,##0.00", "###,##0.000" and "Fixed".
// Halves round away from zero; the "###" patterns write no digit before the
// point for values below 1 (0.9 -> ".90").
// A Double is rounded from its first 15 significant digits. A Single is
// rounded from its shortest decimal form, the digits the user reads: the
// Single 0.0235 (binary 0.023499999…) is written 0.024 with three decimals.
std::string Formato(double valor, std::string_view patron);
std::string Formato(float valor, std::string_view patron);
template <std::integral T>
std::string Formato(T valor, std::string_view patron) {
    return Formato(static_cast<double>(valor), patron);
}

// The plain decimal form of a Single without exponent or thousands separator:
// its shortest digits (2.5 -> "2.5", 0 -> "0", -3 -> "-3"), which the field
// reading turns back into the same Single.
std::string TextoSimple(float valor);

// The general numeric format of the report: no thousands separator, trailing
// zeros dropped, plain decimals from 1E-05 up to 1E+15 with 7 significant
// digits below 1E+07 and whole units above (18.666666 -> "18.66667"),
// scientific with 7 significant digits outside that range (1.5E+16).
// A Single is rounded half away from zero from its shortest decimal form.
std::string FormatoGeneral(double valor);
std::string FormatoGeneral(float valor);
template <std::integral T>
std::string FormatoGeneral(T valor) {
    return FormatoGeneral(static_cast<double>(valor));
}

// A result written for reading: a digit before the point, the thousands
// separator, rounded half away from zero to `maximo` decimals and trailing
// zeros dropped down to `minimo` (2.5 with 2..3 -> "2.50", 1.125 -> "1.125").
// Not finite writes as 0; a value that rounds to zero carries no sign.
std::string FormatoDecimales(double valor, int minimo, int maximo);
std::string FormatoDecimales(float valor, int minimo, int maximo);

// A result with `cifras` significant digits and at least `minimo` decimals
// (at most 9): an inertia of 84999.999206543 with 4 and 2 is "85,000.00", one
// of 0.003125 is "0.003125".
std::string FormatoCifras(double valor, int cifras, int minimo);

// A Double written with up to 15 significant digits, plain decimal form,
// trailing zeros dropped (106666.666666667).
std::string TextoDoble(double valor);

}  // namespace korvex::texto
