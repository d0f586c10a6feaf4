#include "text/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace korvex::texto {

namespace {

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
// Returns false when it does not fit a finite Single.
bool Convertir(std::string_view s, double& valor) {
    std::string t(s);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return false;
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) return false;
    valor = v;
    return true;
}

std::string_view SinBlancos(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && EsBlanco(s[a])) ++a;
    while (b > a && EsBlanco(s[b - 1])) --b;
    return s.substr(a, b - a);
}

// Digits of |valor| rounded to `decimales` places, half away from zero,
// decided on the value written with 15 significant digits (as a user sees it).
std::string Redondear(double valor, int decimales) {
    char buf[64];
    const auto fin =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    *fin.ptr = 0;
    // buf: d.dddddddddddddde[+-]xx (15 significant digits)
    std::string mant;
    mant.push_back(buf[0]);
    mant.append(buf + 2, buf + 16);
    const int exp10 = std::atoi(buf + 17);
    // Position of the decimal point within mant: after exp10 + 1 digits.
    int punto = exp10 + 1;
    if (punto < 0) {
        mant.insert(0, static_cast<size_t>(-punto), '0');
        punto = 0;
    }
    if (static_cast<int>(mant.size()) < punto + decimales + 1) {
        mant.append(static_cast<size_t>(punto + decimales + 1 - static_cast<int>(mant.size())),
                    '0');
    }
    const int corte = punto + decimales;
    std::string digitos = mant.substr(0, static_cast<size_t>(corte));
    if (mant[static_cast<size_t>(corte)] >= '5') {
        int k = static_cast<int>(digitos.size()) - 1;
        while (k >= 0 && digitos[static_cast<size_t>(k)] == '9') {
            digitos[static_cast<size_t>(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++digitos[static_cast<size_t>(k)];
        } else {
            digitos.insert(0, "1");
            ++punto;
        }
    }
    std::string entero = digitos.substr(0, static_cast<size_t>(punto));
    const std::string fraccion = digitos.substr(static_cast<size_t>(punto));
    size_t nz = entero.find_first_not_of('0');
    entero = nz == std::string::npos ? "" : entero.substr(nz);
    return entero + "." + fraccion;
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
    const std::string r = Redondear(valor, decimales);
    const size_t p = r.find('.');
    std::string entero = r.substr(0, p);
    const std::string fraccion = r.substr(p + 1);
    if (entero.empty() && ceroInicial) entero = "0";
    if (miles) entero = Agrupar(entero);
    std::string s = entero + "." + fraccion;
    if (valor < 0 && !SoloCeros(s)) s.insert(0, "-");
    return s;
}

std::string TextoSimple(float valor) {
    if (!std::isfinite(valor) || valor == 0) return "0";
    char buf[64];
    // Shortest digits that read back to the same Single, written without exponent.
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

std::string FormatoGeneral(double valor) {
    if (!std::isfinite(valor) || valor == 0) return "0";
    const double a = std::fabs(valor);
    char buf[400];
    if (a >= 1e-5 && a < 1e15) {
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
    const std::string mant = QuitarCeros(t.substr(0, e));
    const char signo = t[e + 1] == '-' ? '-' : '+';
    std::string dig = t.substr(e + 2);
    while (dig.size() > 2 && dig[0] == '0') dig.erase(0, 1);
    if (dig.size() < 2) dig.insert(0, "0");
    return mant + "E" + signo + dig;
}

}  // namespace korvex::texto
