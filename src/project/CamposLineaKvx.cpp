#include "project/CamposLineaKvx.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "project/Texto1252.h"

namespace korvex::kvx {

namespace {

bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

// ---------------------------------------------------------------------------
// Splitting a line into fields.

std::string_view Recortar(std::string_view t) {
    while (!t.empty() && EsBlanco(t.front())) t.remove_prefix(1);
    while (!t.empty() && EsBlanco(t.back())) t.remove_suffix(1);
    return t;
}

bool Dividir(std::string_view linea, std::vector<Token>& campos, int& campoMalo,
             std::string& razon) {
    campos.clear();
    std::size_t pos = 0;
    const std::size_t n = linea.size();
    while (true) {
        while (pos < n && EsBlanco(linea[pos])) ++pos;
        Token t;
        if (pos < n && linea[pos] == '"') {
            const std::size_t cierre = linea.find('"', pos + 1);
            if (cierre == std::string_view::npos) {
                campoMalo = static_cast<int>(campos.size()) + 1;
                razon = "las comillas del texto no se cierran";
                return false;
            }
            t.contenido = linea.substr(pos + 1, cierre - pos - 1);
            t.entrecomillado = true;
            pos = cierre + 1;
            while (pos < n && EsBlanco(linea[pos])) ++pos;
            if (pos < n && linea[pos] != ',') {
                campoMalo = static_cast<int>(campos.size()) + 1;
                razon = "hay caracteres después de las comillas de cierre";
                return false;
            }
        } else {
            std::size_t coma = linea.find(',', pos);
            if (coma == std::string_view::npos) coma = n;
            t.contenido = Recortar(linea.substr(pos, coma - pos));
            pos = coma;
        }
        campos.push_back(t);
        if (pos >= n) return true;
        ++pos;  // the comma; a comma at the end of the line opens an empty last field
    }
}

// ---------------------------------------------------------------------------
// Reading single fields.

std::string Mostrar(std::string_view t) {
    constexpr std::size_t kMax = 40;
    std::string s = Utf8DesdeWindows1252(t.substr(0, kMax));
    if (t.size() > kMax) s += "...";
    return "\"" + s + "\"";
}

namespace {

// Decimal notation with a period: optional sign, digits with an optional
// point (".5", "6", "-2.50"), optional exponent ("1E+07", "2.5E-03").
bool SintaxisNumero(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int cifras = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++cifras;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++cifras;
    }
    if (cifras == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        int exponente = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++exponente;
        if (exponente == 0) return false;
    }
    return i == t.size();
}

bool PareceNoFinito(std::string_view t) {
    std::string s;
    for (char c : t) s.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
    return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos ||
           s.find("#ind") != std::string::npos;
}

std::string_view SinSignoMas(std::string_view t) {
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    return t;
}

}  // namespace

template <class T>
std::string LeerNumero(const Token& t, T& valor) {
    if (t.entrecomillado) return "se esperaba un número y hay un texto entre comillas";
    if (PareceNoFinito(t.contenido)) return "el número " + Mostrar(t.contenido) + " no es finito";
    if (!SintaxisNumero(t.contenido)) {
        if (t.contenido.empty()) return "falta el número";
        return Mostrar(t.contenido) + " no es un número (el separador decimal es el punto)";
    }
    const std::string_view s = SinSignoMas(t.contenido);
    T v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        const double d = std::strtod(std::string(s).c_str(), nullptr);
        if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<T>::max()) {
            return "el número " + Mostrar(t.contenido) +
                   (std::is_same_v<T, float> ? " no es finito en precisión simple (excede 3.4E+38)"
                                             : " no es finito");
        }
        v = static_cast<T>(d);
    } else if (r.ec != std::errc() || r.ptr != s.data() + s.size()) {
        return Mostrar(t.contenido) + " no es un número";
    }
    if (!std::isfinite(v)) return "el número " + Mostrar(t.contenido) + " no es finito";
    valor = v;
    return {};
}

std::string LeerEntero(const Token& t, long long minimo, long long maximo, long long& valor) {
    double d = 0;
    std::string razon = LeerNumero(t, d);
    if (!razon.empty()) return razon;
    if (d != std::floor(d) || d < static_cast<double>(minimo) || d > static_cast<double>(maximo)) {
        return "se esperaba un número entero entre " + std::to_string(minimo) + " y " +
               std::to_string(maximo) + " y hay " + Mostrar(t.contenido);
    }
    valor = static_cast<long long>(d);
    return {};
}

std::string LeerTexto(const Token& t, std::string& valor) {
    if (!t.entrecomillado && t.contenido.find('"') != std::string_view::npos) {
        return "el texto " + Mostrar(t.contenido) + " tiene comillas sin abrir";
    }
    if (t.contenido.find('\r') != std::string_view::npos) {
        return "el texto contiene un salto de línea";
    }
    valor = Utf8DesdeWindows1252(t.contenido);
    return {};
}

std::string LeerBooleano(const Token& t, bool& valor) {
    std::string s;
    for (char c : t.contenido) s.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c));
    if (!t.entrecomillado && s == "#TRUE#") {
        valor = true;
        return {};
    }
    if (!t.entrecomillado && s == "#FALSE#") {
        valor = false;
        return {};
    }
    return "se esperaba #TRUE# o #FALSE# y hay " + Mostrar(t.contenido);
}
template std::string LeerNumero<float>(const Token&, float&);
template std::string LeerNumero<double>(const Token&, double&);

std::string NumeroTexto(float v) {
    char buf[128];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

}  // namespace korvex::kvx
