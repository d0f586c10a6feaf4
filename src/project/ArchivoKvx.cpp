// The image of a project file: the reader (lines split into fields, each
// field read by its kind, the load records counted against the header; all
// or nothing) and the writer (the header in file order, one record per load,
// CR LF line ends, texts in Windows-1252), which refuses what the reader could
// not read back the same. The layout of the fields is in CamposKvx.h; the
// files on disk are read and written in DiscoKvx.cpp.
#include "project/ArchivoKvx.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "project/CamposKvx.h"
#include "project/Texto1252.h"

namespace korvex {

using namespace kvx;

namespace {

// ---------------------------------------------------------------------------
// Splitting a line into fields.

struct Token {
    std::string_view contenido;  // inside the quotes, or the trimmed raw text
    bool entrecomillado = false;
};

bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Recortar(std::string_view t) {
    while (!t.empty() && EsBlanco(t.front())) t.remove_prefix(1);
    while (!t.empty() && EsBlanco(t.back())) t.remove_suffix(1);
    return t;
}

// Splits one line (without its line end). On a fault returns false and the
// 1-based number of the faulty field and the reason.
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
// Reading single fields. Each returns the reason of a refusal, empty when the
// field was read.

std::string Mostrar(std::string_view t) {
    constexpr std::size_t kMax = 40;
    std::string s = Utf8DesdeWindows1252(t.substr(0, kMax));
    if (t.size() > kMax) s += "...";
    return "\"" + s + "\"";
}

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

// A number in decimal notation read as a Double or a Single. The checks are
// the same for both; a value beyond the type's range is refused, an
// underflow reads as the nearest representable value.
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

// Reads one header field into its reference.
template <class R>
std::string LeerCampo(const Campo& c, const Token& t, R& ref) {
    using T = std::remove_cvref_t<R>;
    if constexpr (std::is_same_v<T, float>) {
        return LeerNumero(t, ref);
    } else if constexpr (std::is_same_v<T, bool>) {
        return LeerBooleano(t, ref);
    } else if constexpr (std::is_same_v<T, std::string>) {
        std::string s;
        std::string razon = LeerTexto(t, s);
        if (!razon.empty()) return razon;
        ref = std::move(s);
        return {};
    } else {
        static_assert(std::is_same_v<T, int>);
        long long v = 0;
        std::string razon;
        switch (c.tipo) {
            case Tipo::Casilla:
                razon = LeerEntero(t, 0, 1, v);
                break;
            case Tipo::Cuenta:
                razon = LeerEntero(t, 0, kMaxCargas, v);
                break;
            default:
                razon = LeerEntero(t, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max(), v);
        }
        if (razon.empty()) ref = static_cast<int>(v);
        return razon;
    }
}

// Name of header field k (1-based); empty beyond the record.
std::string NombreCabecera(int k) {
    Proyecto p;
    std::string nombre;
    int i = 0;
    RecorrerCabecera(p, [&](const Campo& c, auto&) {
        if (++i == k) nombre = c.nombre;
    });
    return nombre;
}

std::string Cantidad(int n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

Mensaje Rechazo(int linea, int campo, const std::string& nombre, const std::string& razon) {
    std::string t = "El archivo no es un proyecto válido: línea " + std::to_string(linea);
    if (campo > 0) {
        t += ", campo " + std::to_string(campo);
        if (!nombre.empty()) t += " (" + nombre + ")";
    }
    t += ": " + razon + ".";
    return {t, kTituloAbrir, kEstiloCritico};
}

}  // namespace

std::optional<Mensaje> LeerKvx(std::string_view bytes, Proyecto& p) {
    // Lines: LF or CR LF ends; the last line may lack its end.
    std::vector<std::string_view> lineas;
    for (std::size_t inicio = 0; inicio < bytes.size();) {
        std::size_t fin = bytes.find('\n', inicio);
        const std::size_t siguiente = fin == std::string_view::npos ? bytes.size() : fin + 1;
        if (fin == std::string_view::npos) fin = bytes.size();
        std::string_view l = bytes.substr(inicio, fin - inicio);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        lineas.push_back(l);
        inicio = siguiente;
    }
    // Blank lines at the end of the file are not load records.
    while (!lineas.empty() && Recortar(lineas.back()).empty()) lineas.pop_back();
    if (lineas.empty()) {
        return Mensaje{"El archivo está vacío: no contiene la línea de cabecera del proyecto.",
                       kTituloAbrir, kEstiloCritico};
    }

    Proyecto q = p;
    std::vector<Token> campos;
    int campoMalo = 0;
    std::string razon;

    // Header record.
    if (!Dividir(lineas[0], campos, campoMalo, razon)) {
        return Rechazo(1, campoMalo, NombreCabecera(campoMalo), razon);
    }
    if (campos.size() != kCamposCabecera) {
        return Rechazo(1, 0, "",
                       "la cabecera tiene " +
                           Cantidad(static_cast<int>(campos.size()), "campo", "campos") +
                           " y debe tener " + std::to_string(kCamposCabecera) +
                           (campos.size() < kCamposCabecera ? " (está incompleta)" : ""));
    }
    int k = 0;
    std::optional<Mensaje> fallo;
    RecorrerCabecera(q, [&](const Campo& c, auto& ref) {
        ++k;
        if (fallo) return;
        std::string r = LeerCampo(c, campos[static_cast<std::size_t>(k - 1)], ref);
        if (r.empty() && c.tipo == Tipo::TipoViga) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(ref)>, std::string>) {
                if (!TipoVigaConocido(ref)) {
                    r = "el tipo " + Mostrar(ref) + " no es Viga_Rect, Viga_T ni Viga_Ti";
                }
            }
        }
        if (!r.empty()) fallo = Rechazo(1, k, c.nombre, r);
    });
    if (fallo) return fallo;

    // Load records: no blank line among them, as many as the header declares.
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        if (Recortar(lineas[i]).empty()) {
            return Rechazo(static_cast<int>(i) + 1, 0, "",
                           "la línea está vacía y debería contener la carga " + std::to_string(i));
        }
    }
    const int declaradas = q.estado.NumCargas;
    int presentes = static_cast<int>(lineas.size()) - 1;
    // After the loads, the options record of a project saved with the
    // live-load arrangements on: that record alone, and only there.
    q.estado.AlternanciaViva = false;
    if (presentes > declaradas) {
        const std::size_t i = static_cast<std::size_t>(declaradas) + 1;
        const std::string_view extra = Recortar(lineas[i]);
        if (extra == kRegistroOpciones && i + 1 == lineas.size()) {
            q.estado.AlternanciaViva = true;
            --presentes;
        } else if (!extra.empty() && extra.front() == '"') {
            return Rechazo(static_cast<int>(i) + 1, 0, "",
                           std::string("después de las cargas solo se admite el registro de "
                                       "opciones ") +
                               kRegistroOpciones);
        }
    }
    if (presentes != declaradas) {
        return Rechazo(1, 15, "número de cargas",
                       "la cabecera indica " + Cantidad(declaradas, "carga", "cargas") +
                           " y el archivo tiene " +
                           Cantidad(presentes, "línea de carga", "líneas de carga"));
    }
    std::vector<Carga> cargas(1);
    cargas.reserve(static_cast<std::size_t>(declaradas) + 1);
    for (int i = 1; i <= declaradas; ++i) {
        const int linea = i + 1;
        if (!Dividir(lineas[static_cast<std::size_t>(i)], campos, campoMalo, razon)) {
            return Rechazo(linea, campoMalo,
                           campoMalo <= kCamposCarga ? kNombresCarga[campoMalo - 1] : "", razon);
        }
        if (campos.size() != kCamposCarga) {
            return Rechazo(linea, 0, "",
                           "la carga " + std::to_string(i) + " tiene " +
                               Cantidad(static_cast<int>(campos.size()), "campo", "campos") +
                               " y debe tener 8");
        }
        Carga c;
        float* destino[kCamposCarga] = {&c.A,  &c.B,   &c.C,    &c.P1,
                                        &c.P2, &c.Fin, &c.Tipo, &c.Categoria};
        for (int f = 0; f < kCamposCarga; ++f) {
            std::string r = LeerNumero(campos[static_cast<std::size_t>(f)], *destino[f]);
            if (r.empty() && f >= 6 && !CodigoCarga(*destino[f])) {
                r = f == 6 ? "el tipo de carga debe ser 1 (Puntual), 2 (Distribuida) o 3 (Momento)"
                           : "la categoría debe ser 1 (Viva), 2 (Muerta) o 3 (Otros)";
            }
            if (!r.empty()) return Rechazo(linea, f + 1, kNombresCarga[f], r);
        }
        cargas.push_back(c);
    }
    q.estado.Cargas = std::move(cargas);
    p = std::move(q);
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// The writer.

namespace {

// Shortest plain decimal form that reads back to the same Single.
std::string NumeroTexto(float v) {
    char buf[128];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

}  // namespace

std::optional<Mensaje> EscribirKvx(const Proyecto& p, std::string& bytes) {
    const EstadoProyecto& e = p.estado;
    if (e.NumCargas < 0 || e.NumCargas > kMaxCargas ||
        static_cast<std::size_t>(e.NumCargas) + 1 > e.Cargas.size()) {
        return RechazoGuardar("La tabla de cargas está dañada (" + std::to_string(e.NumCargas) +
                              " cargas): no se puede guardar el proyecto.");
    }

    std::string s;
    std::optional<Mensaje> fallo;
    int k = 0;
    RecorrerCabecera(p, [&](const Campo& c, const auto& ref) {
        ++k;
        if (fallo) return;
        if (k > 1) s += ',';
        using T = std::remove_cvref_t<decltype(ref)>;
        const std::string nombre =
            std::string("\"") + c.nombre + "\" (campo " + std::to_string(k) + ")";
        if constexpr (std::is_same_v<T, float>) {
            if (!std::isfinite(ref)) {
                fallo = RechazoGuardar("El valor " + nombre +
                                       " no es un número finito: no se puede guardar.");
                return;
            }
            s += NumeroTexto(ref);
        } else if constexpr (std::is_same_v<T, bool>) {
            s += ref ? "#TRUE#" : "#FALSE#";
        } else if constexpr (std::is_same_v<T, std::string>) {
            if (ref.find_first_of("\"\r\n") != std::string::npos) {
                fallo = RechazoGuardar(
                    "El texto " + nombre +
                    " contiene comillas o un salto de línea, que el archivo no puede guardar. "
                    "Quítelos y guarde de nuevo.");
                return;
            }
            if (c.tipo == Tipo::TipoViga && !TipoVigaConocido(ref)) {
                fallo = RechazoGuardar("El tipo de viga \"" + ref + "\" no es válido.");
                return;
            }
            const std::optional<std::string> cp = Windows1252DesdeUtf8(ref);
            if (!cp) {
                fallo = RechazoGuardar("El texto " + nombre +
                                       " contiene caracteres que el archivo (código "
                                       "Windows-1252) no puede guardar. Cámbielos y guarde de "
                                       "nuevo.");
                return;
            }
            s += '"';
            s += *cp;
            s += '"';
        } else {
            if (c.tipo == Tipo::Casilla && ref != 0 && ref != 1) {
                fallo = RechazoGuardar("El valor " + nombre + " debe ser 0 o 1.");
                return;
            }
            s += std::to_string(ref);
        }
    });
    if (fallo) return fallo;
    s += "\r\n";

    for (int i = 1; i <= e.NumCargas; ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        const float valores[kCamposCarga] = {c.A, c.B, c.C, c.P1, c.P2, c.Fin, c.Tipo, c.Categoria};
        for (int f = 0; f < kCamposCarga; ++f) {
            if (!std::isfinite(valores[f]) || (f >= 6 && !CodigoCarga(valores[f]))) {
                return RechazoGuardar("La carga " + std::to_string(i) +
                                      " tiene un valor no válido en \"" + kNombresCarga[f] +
                                      "\": no se puede guardar el proyecto.");
            }
            if (f > 0) s += ',';
            s += NumeroTexto(valores[f]);
        }
        s += "\r\n";
    }
    // The options record only when an option is on, so that a project
    // without options is the file every version writes and reads.
    if (e.AlternanciaViva) {
        s += kRegistroOpciones;
        s += "\r\n";
    }
    bytes = std::move(s);
    return std::nullopt;
}

}  // namespace korvex
