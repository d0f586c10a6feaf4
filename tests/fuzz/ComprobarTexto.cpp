// Field reading and number formats, text -> number -> text.
// The reader: a finite number within the Single range; blanks around the text
// change nothing, a minus sign before it gives the opposite value.
// Every Single f (read from the text, or from the raw bits):
//  - TextoSimple(f) is a plain numeric text that reads back as f;
//  - Formato(f, patron) has the pattern's shape (sign, thousands groups,
//    leading zero or none, 2 or 3 decimals, never "-0") and lies within half a
//    unit of its last decimal of the shortest decimal form of f, a half
//    (0.0235 with 3 decimals) rounded away from zero; it reads back as f when
//    that form has no more decimals, and with at most 6 significant digits the
//    Single read back is written as the same text;
//  - FormatoGeneral(f): 7 significant digits of the shortest form, rounded the
//    same way (exact when it has at most 7, and whole units from 1E+07 to 1E+15).
// Every finite Double: the same shapes, within half a unit of the last digit.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "Comprobaciones.h"
#include "text/Numeros.h"

namespace korvex::fuzz {

namespace {

using texto::EsNumerico;
using texto::NumeroCampo;

struct Patron {
    const char* nombre;
    int decimales;
    bool ceroInicial, miles;
};
constexpr Patron kPatrones[] = {{"###,###.00", 2, false, true},
                                {"###,###,###.00", 2, false, true},
                                {"###,##0.00", 2, true, true},
                                {"###,##0.000", 3, true, true},
                                {"Fixed", 2, true, false}};

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

std::string SinComas(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ','), s.end());
    return s;
}

// The whole text as a number, without the Single limits of the field reading
// (long double for the texts of Doubles, which may round past the largest).
template <typename T>
bool Valor(const std::string& s, T& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

// The shape of a pattern's text: [-]entero.ddd
bool TieneForma(const std::string& s, const Patron& p) {
    size_t i = s.size() > 0 && s[0] == '-' ? 1 : 0;
    const size_t punto = s.find('.');
    if (punto == std::string::npos || s.size() - punto - 1 != static_cast<size_t>(p.decimales))
        return false;
    for (size_t k = punto + 1; k < s.size(); ++k)
        if (!Digito(s[k])) return false;
    if (i == 1 && s.find_first_not_of("0.,", 1) == std::string::npos) return false;  // "-0.00"
    const std::string entero = s.substr(i, punto - i);
    if (entero.empty()) return !p.ceroInicial;
    if (entero[0] == '0' && (entero.size() > 1 || !p.ceroInicial)) return false;
    for (size_t k = 0; k < entero.size(); ++k) {
        const bool coma = p.miles && (entero.size() - k) % 4 == 0;
        if (coma ? entero[k] != ',' : !Digito(entero[k])) return false;
    }
    return true;
}

// The shortest decimal form of a Single: value, significant digits, decimals.
struct Corta {
    std::string texto;
    double valor = 0;
    int cifras = 0, decimales = 0;
};

Corta FormaCorta(float f) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::scientific);
    Corta c;
    c.texto.assign(buf, r.ptr);
    const size_t e = c.texto.find('e');
    c.cifras = static_cast<int>(std::count_if(buf, buf + e, Digito));
    c.decimales = std::max(0, c.cifras - 1 - std::stoi(c.texto.substr(e + 1)));
    std::from_chars(buf, r.ptr, c.valor);
    return c;
}

int Significativas(const std::string& s) {
    const size_t a = s.find_first_of("123456789"), b = s.find_last_of("123456789");
    return a == std::string::npos ? 0 : static_cast<int>(std::count_if(&s[a], &s[b] + 1, Digito));
}

std::string Lector(std::string_view t) {
    const double v = NumeroCampo(t);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return "NumeroCampo fuera del rango de un Single";
    const std::string s(t);
    if (NumeroCampo(" \t" + s) != v || EsNumerico(" " + s + " \t") != EsNumerico(s))
        return "los blancos alrededor cambian la lectura";
    const size_t a = s.find_first_not_of(" \t\r\n");
    if (a != std::string::npos && s[a] != '-' && s[a] != '+') {
        const std::string negativo = "-" + s.substr(a);
        if (NumeroCampo(negativo) != -v || EsNumerico(negativo) != EsNumerico(s))
            return "el signo menos no da el valor opuesto";
    }
    if (EsNumerico(s) && NumeroCampo(s + "x") != v) return "numérico sin ser su número entero";
    return "";
}

std::string Single(float f) {
    const std::string simple = texto::TextoSimple(f);
    if (!EsNumerico(simple) || simple.find_first_of("eE,") != std::string::npos)
        return "TextoSimple no es un número simple: " + simple;
    if (static_cast<float>(NumeroCampo(simple)) != f) return "TextoSimple no vuelve: " + simple;
    const Corta c = FormaCorta(f);
    const double decimal = c.valor;
    for (const Patron& p : kPatrones) {
        const std::string s = texto::Formato(f, p.nombre);
        const std::string donde = std::string(p.nombre) + " de " + c.texto + ": " + s;
        double v = 0;
        if (!TieneForma(s, p) || !Valor(SinComas(s), v)) return "forma de " + donde;
        const double media = 0.5 * std::pow(10.0, -p.decimales);
        if (std::fabs(v - decimal) > media * (1 + 1e-9) + 1e-15 * std::fabs(decimal))
            return "redondeo de " + donde;
        // A shortest form that ends in 5 one place beyond the pattern is a half.
        const bool mitad = c.decimales == p.decimales + 1 && c.texto[c.texto.find('e') - 1] == '5';
        if (mitad && !(std::fabs(v) > std::fabs(decimal))) return "mitad hacia el cero " + donde;
        const float leido = static_cast<float>(NumeroCampo(SinComas(s)));
        if (c.decimales <= p.decimales && leido != f) return "no vuelve el mismo Single " + donde;
        if (Significativas(s) <= 6 && texto::Formato(leido, p.nombre) != s)
            return "releído cambia " + donde;
    }
    const std::string g = texto::FormatoGeneral(f);
    double v = 0;
    const std::string donde = c.texto + ": " + g;
    if (g.find(',') != std::string::npos || !Valor(g, v)) return "forma general de " + donde;
    // Whole units from 1E+07 to 1E+15, where a Single has no fraction: exact.
    const double a = std::fabs(static_cast<double>(f));
    const bool unidades = a >= 1e7 && a < 1e15;
    if (unidades ? v != decimal : std::fabs(v - decimal) > 5e-7 * std::fabs(decimal) * (1 + 1e-9))
        return "redondeo general de " + donde;
    const bool mitad = c.cifras == 8 && c.texto[c.texto.find('e') - 1] == '5';
    if (!unidades && mitad && !(std::fabs(v) > std::fabs(decimal)))
        return "mitad general hacia el cero de " + donde;
    if (c.cifras <= 7 && v != decimal) return "general de " + donde;
    return "";
}

std::string Doble(double d) {
    const std::string texto = std::to_string(d);
    const long double x = d;
    for (const Patron& p : kPatrones) {
        const std::string s = texto::Formato(d, p.nombre);
        long double v = 0;
        if (!TieneForma(s, p) || !Valor(SinComas(s), v)) return "forma " + texto + ": " + s;
        if (std::fabs(v - x) >
            0.5L * std::pow(10.0L, -p.decimales) * (1 + 1e-9L) + 1e-14L * std::fabs(x))
            return "redondeo " + texto + ": " + s;
    }
    long double v = 0;
    const std::string g = texto::FormatoGeneral(d);
    if (!Valor(g, v) || std::fabs(v - x) > 5e-7L * std::fabs(x) * (1 + 1e-9L))
        return "general " + texto + ": " + g;
    const std::string t = texto::TextoDoble(d);
    if (!Valor(t, v) || std::fabs(v - x) > 1e-14L * std::fabs(x) + 1e-300L)
        return "TextoDoble " + texto + ": " + t;
    return "";
}

}  // namespace

std::string ComprobarTexto(std::string_view bytes) {
    if (std::string r = Lector(bytes); !r.empty()) return r;
    if (std::string r = Single(static_cast<float>(NumeroCampo(bytes))); !r.empty()) return r;
    if (bytes.size() >= sizeof(float)) {
        float f;
        std::memcpy(&f, bytes.data(), sizeof f);
        if (std::isfinite(f)) {
            if (std::string r = Single(f); !r.empty()) return r;
        }
    }
    if (bytes.size() >= sizeof(double)) {
        double d;
        std::memcpy(&d, bytes.data(), sizeof d);
        if (std::isfinite(d)) return Doble(d);
    }
    return "";
}

}  // namespace korvex::fuzz
