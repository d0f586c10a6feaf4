#include "text/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace korvex::texto {

namespace {

constexpr float kMayorSingle = std::numeric_limits<float>::max();
// The largest Single plus half its last unit, 2^128 - 2^103: from here on a
// value rounds to an infinite Single.
constexpr double kLimiteSingle = 0x1.ffffffp+127;

bool EsBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest decimal number at the start of `s` (optional sign,
// digits with an optional point, optional exponent); 0 when there is none.
size_t LongitudNumero(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digitos = 0;
    while (i < s.size() && EsDigito(s[i])) ++i, ++digitos;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && EsDigito(s[i])) ++i, ++digitos;
    }
    if (digitos == 0) return 0;
    // An exponent counts only when it has digits.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t e = 0;
        while (j < s.size() && EsDigito(s[j])) ++j, ++e;
        if (e > 0) i = j;
    }
    return i;
}

// Reads `s` (a whole decimal number as found by LongitudNumero) as double.
// Returns false when it does not round to a finite Single.
bool Convertir(std::string_view s, double& valor) {
    std::string t(s);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return false;
    if (!std::isfinite(v) || std::fabs(v) >= kLimiteSingle) return false;
    valor = std::fabs(v) > kMayorSingle ? std::copysign(kMayorSingle, v) : v;
    return true;
}

std::string_view SinBlancos(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && EsBlanco(s[a])) ++a;
    while (b > a && EsBlanco(s[b - 1])) --b;
    return s.substr(a, b - a);
}

// A non-negative decimal number as its digits and the place of its point:
// value = 0.d1d2d3... x 10^punto.
struct Decimal {
    std::string digitos;
    int punto = 0;
};

// The digits of to_chars' scientific text "d[.ddd]e[+-]xx".
Decimal DesdeCientifico(const char* ini, const char* fin) {
    Decimal d;
    const char* e = std::find(ini, fin, 'e');
    for (const char* p = ini; p < e; ++p)
        if (*p != '.') d.digitos.push_back(*p);
    const char* q = e + 1;
    if (q < fin && *q == '+') ++q;
    int exp10 = 0;
    std::from_chars(q, fin, exp10);
    d.punto = exp10 + 1;
    return d;
}

// |valor| with 15 significant digits: a Double as a user sees it.
Decimal DigitosDe(double valor) {
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    return DesdeCientifico(buf, r.ptr);
}

// |valor| by the shortest decimal that reads back as the same Single.
Decimal DigitosDe(float valor) {
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific);
    return DesdeCientifico(buf, r.ptr);
}

// Rounds to `decimales` places after the point, half away from zero (the
// digits are the magnitude). The result holds exactly punto + decimales
// digits, punto >= 0 (one more on a carry out of the first digit).
Decimal Redondear(Decimal d, int decimales) {
    if (d.punto < 0) {
        d.digitos.insert(0, static_cast<size_t>(-d.punto), '0');
        d.punto = 0;
    }
    const size_t corte = static_cast<size_t>(d.punto + decimales);
    if (d.digitos.size() <= corte) d.digitos.resize(corte + 1, '0');
    const bool arriba = d.digitos[corte] >= '5';
    d.digitos.resize(corte);
    if (arriba) {
        size_t k = corte;
        while (k > 0 && d.digitos[k - 1] == '9') d.digitos[--k] = '0';
        if (k > 0) {
            ++d.digitos[k - 1];
        } else {
            d.digitos.insert(0, "1");
            ++d.punto;
        }
    }
    return d;
}

std::string Agrupar(const std::string& entero) {
    std::string r;
    const int n = static_cast<int>(entero.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) r.push_back(',');
        r.push_back(entero[static_cast<size_t>(i)]);
    }
    return r;
}

bool SoloCeros(const std::string& s) {
    for (char c : s)
        if (c != '0' && c != '.' && c != ',') return false;
    return true;
}

// Removes trailing zeros of a fraction and a trailing point.
std::string QuitarCeros(std::string s) {
    if (s.find('.') == std::string::npos) return s;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

// The digits of a rounded Decimal around its point, with no leading zeros
// in the whole part ("" for a value below 1).
std::string ParteEntera(const Decimal& r) {
    std::string e = r.digitos.substr(0, static_cast<size_t>(r.punto));
    e.erase(0, e.find_first_not_of('0'));
    return e;
}
std::string ParteDecimal(const Decimal& r) {
    return r.digitos.substr(static_cast<size_t>(r.punto));
}

std::string ConPatron(const Decimal& d, bool negativo, std::string_view patron) {
    int decimales = 2;
    bool ceroInicial = false, miles = true;
    if (patron == "###,##0.00") {
        ceroInicial = true;
    } else if (patron == "###,##0.000") {
        ceroInicial = true;
        decimales = 3;
    } else if (patron == "Fixed") {
        ceroInicial = true;
        miles = false;
    }
    const Decimal r = Redondear(d, decimales);
    std::string entero = ParteEntera(r);
    if (entero.empty() && ceroInicial) entero = "0";
    if (miles) entero = Agrupar(entero);
    std::string s = entero + "." + ParteDecimal(r);
    if (negativo && !SoloCeros(s)) s.insert(0, "-");
    return s;
}

// Scientific form of the general format: mantissa, "E", sign and at least
// two exponent digits (1E-07, 1.5E+16).
std::string ConExponente(const std::string& mantisa, int exp10) {
    std::string dig = std::to_string(std::abs(exp10));
    if (dig.size() < 2) dig.insert(0, "0");
    return QuitarCeros(mantisa) + "E" + (exp10 < 0 ? "-" : "+") + dig;
}

// The plain branch of the general format covers 1E-05 <= |v| < 1E+15.
bool GeneralSinExponente(double a) {
    return a >= 1e-5 && a < 1e15;
}

// The readable form of FormatoDecimales from the digits of the value.
std::string ConDecimales(const Decimal& d, bool negativo, int minimo, int maximo) {
    maximo = std::clamp(maximo, 0, 15);
    minimo = std::clamp(minimo, 0, maximo);
    const Decimal r = Redondear(d, maximo);
    std::string entero = ParteEntera(r);
    if (entero.empty()) entero = "0";
    std::string fraccion = ParteDecimal(r);
    while (static_cast<int>(fraccion.size()) > minimo && fraccion.back() == '0')
        fraccion.pop_back();
    std::string s = Agrupar(entero) + (fraccion.empty() ? "" : "." + fraccion);
    if (negativo && !SoloCeros(s)) s.insert(0, "-");
    return s;
}

}  // namespace

double NumeroCampo(std::string_view texto) {
    size_t i = 0;
    while (i < texto.size() && EsBlanco(texto[i])) ++i;
    const std::string_view resto = texto.substr(i);
    const size_t n = LongitudNumero(resto);
    if (n == 0) return 0;
    double v = 0;
    if (!Convertir(resto.substr(0, n), v)) return 0;
    return v;
}

bool EsNumerico(std::string_view texto) {
    const std::string_view s = SinBlancos(texto);
    if (s.empty()) return false;
    const size_t n = LongitudNumero(s);
    if (n == 0 || n != s.size()) return false;
    double v = 0;
    return Convertir(s, v);
}

std::string Formato(double valor, std::string_view patron) {
    if (!std::isfinite(valor)) valor = 0;
    return ConPatron(DigitosDe(valor), valor < 0, patron);
}

std::string Formato(float valor, std::string_view patron) {
    if (!std::isfinite(valor)) valor = 0;
    return ConPatron(DigitosDe(valor), valor < 0, patron);
}

std::string TextoSimple(float valor) {
    if (!std::isfinite(valor) || valor == 0) return "0";
    char buf[128];
    // Shortest digits that read back to the same Single, written without exponent.
    auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed);
    std::string t(buf, r.ptr);
    // The field reading passes through a Double. For the rare text that lies
    // within a Double's rounding of the midpoint between two Singles (only
    // 7.038531e-26 and its negative) nine significant digits of the exact value
    // are written instead: they always come back to the same Single.
    if (static_cast<float>(NumeroCampo(t)) != valor) {
        const int exp10 = static_cast<int>(std::floor(std::log10(std::fabs(valor))));
        r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed,
                          std::max(0, 8 - exp10));
        t = QuitarCeros(std::string(buf, r.ptr));
    }
    return t;
}

std::string FormatoGeneral(double valor) {
    if (!std::isfinite(valor) || valor == 0) return "0";
    const double a = std::fabs(valor);
    char buf[400];
    if (GeneralSinExponente(a)) {
        // 7 significant digits in plain decimal notation.
        const int exp10 = static_cast<int>(std::floor(std::log10(a)));
        const int decimales = std::max(0, 6 - exp10);
        const auto r =
            std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, decimales);
        const std::string t = QuitarCeros(std::string(buf, r.ptr));
        return (t == "-0" || t.empty()) ? "0" : t;
    }
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::scientific, 6);
    const std::string t(buf, r.ptr);
    const size_t e = t.find('e');
    return ConExponente(t.substr(0, e), std::stoi(t.substr(e + 1)));
}

std::string FormatoGeneral(float valor) {
    if (!std::isfinite(valor) || valor == 0) return "0";
    const Decimal d = DigitosDe(valor);
    const std::string signo = valor < 0 ? "-" : "";
    if (GeneralSinExponente(std::fabs(static_cast<double>(valor)))) {
        // 7 significant digits in plain decimal notation (whole units from 1E+06 up).
        const Decimal r = Redondear(d, std::max(0, 7 - d.punto));
        std::string entero = ParteEntera(r);
        if (entero.empty()) entero = "0";
        const std::string t = QuitarCeros(entero + "." + ParteDecimal(r));
        return t == "0" ? t : signo + t;
    }
    // 7 significant digits: d.dddddd, the exponent moved on a carry (9.9999999E+20).
    Decimal r = Redondear(Decimal{d.digitos, 1}, 6);
    int exp10 = d.punto - 1;
    if (r.punto == 2) {
        r.digitos.pop_back();
        r.punto = 1;
        ++exp10;
    }
    return signo + ConExponente(ParteEntera(r) + "." + ParteDecimal(r), exp10);
}

std::string FormatoDecimales(double valor, int minimo, int maximo) {
    if (!std::isfinite(valor)) valor = 0;
    return ConDecimales(DigitosDe(valor), valor < 0, minimo, maximo);
}

std::string FormatoDecimales(float valor, int minimo, int maximo) {
    if (!std::isfinite(valor)) valor = 0;
    return ConDecimales(DigitosDe(valor), valor < 0, minimo, maximo);
}

std::string FormatoCifras(double valor, int cifras, int minimo) {
    if (!std::isfinite(valor) || valor == 0) return FormatoDecimales(0.0, minimo, minimo);
    // Value = 0.d1d2... x 10^punto: the first digit is at 10^(punto - 1).
    const Decimal d = DigitosDe(valor);
    const int decimales = std::clamp(cifras - d.punto, minimo, 9);
    return ConDecimales(d, valor < 0, minimo, decimales);
}

std::string TextoDoble(double valor) {
    if (!std::isfinite(valor) || valor == 0) return "0";
    const int exp10 = static_cast<int>(std::floor(std::log10(std::fabs(valor))));
    const int decimales = std::clamp(14 - exp10, 0, 300);
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, decimales);
    const std::string s = QuitarCeros(std::string(buf, r.ptr));
    return s == "-0" ? "0" : s;
}

}  // namespace korvex::texto
