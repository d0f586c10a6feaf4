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
#include "project/CamposLineaKvx.h"
#include "project/Texto1252.h"

namespace korvex {

using namespace kvx;

namespace {

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
    // After the loads, the options record of a project saved with an option
    // other than its default, then the records of the user's bars, one per
    // face: those alone, and only there. Without them every option takes its
    // default.
    q.estado.AlternanciaViva = false;
    q.estado.Norma = EstadoProyecto{}.Norma;
    q.estado.VivaSostenida = 0;
    q.estado.Estribo = DiametroEstribo::SinElegir;
    q.estado.RecubrimientoLibre = kRecubrimientoLibre;
    q.estado.BarrasInferior.reset();
    q.estado.BarrasSuperior.reset();
    if (presentes > declaradas) {
        const std::size_t primera = static_cast<std::size_t>(declaradas) + 1;
        std::size_t i = primera;
        if (EsRegistroOpciones(Recortar(lineas[i]))) {
            if (std::optional<FalloCampo> f = LeerOpciones(Recortar(lineas[i]), q.estado)) {
                return Rechazo(static_cast<int>(i) + 1, f->campo, f->nombre, f->razon);
            }
            ++i;
        }
        for (; i < lineas.size() && EsRegistroBarras(Recortar(lineas[i])); ++i) {
            const int linea = static_cast<int>(i) + 1;
            bool inferior = true;
            BarrasUsuario b;
            if (std::optional<FalloCampo> f = LeerBarras(Recortar(lineas[i]), inferior, b)) {
                return Rechazo(linea, f->campo, f->nombre, f->razon);
            }
            std::optional<BarrasUsuario>& cara =
                inferior ? q.estado.BarrasInferior : q.estado.BarrasSuperior;
            if (cara) {
                return Rechazo(linea, 2, "cara del registro Barras",
                               std::string("la cara ") + (inferior ? "inferior" : "superior") +
                                   " ya tiene sus varillas en la línea anterior");
            }
            cara = b;
        }
        // Nothing may follow those records; a text record in place of them
        // is not a load either.
        if (i < lineas.size() && i > primera) {
            return Rechazo(static_cast<int>(i) + 1, 0, "",
                           "los registros Opciones y Barras deben ser los últimos del archivo");
        }
        if (i < lineas.size() && Recortar(lineas[i]).starts_with('"')) {
            return Rechazo(static_cast<int>(i) + 1, 0, "",
                           std::string("después de las cargas solo se admiten el registro de "
                                       "opciones ") +
                               kRegistroOpciones + " y los de varillas \"Barras\"");
        }
        presentes -= static_cast<int>(i - primera);
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
    // The options record only when an option differs from its default, so
    // that a project without options is the file every version writes and
    // reads.
    std::string razon;
    const std::optional<std::string> opciones = RegistroOpciones(e, razon);
    if (!opciones) return RechazoGuardar(razon);
    if (!opciones->empty()) {
        s += *opciones;
        s += "\r\n";
    }
    const std::optional<std::vector<std::string>> barras = RegistrosBarras(e, razon);
    if (!barras) return RechazoGuardar(razon);
    for (const std::string& r : *barras) {
        s += r;
        s += "\r\n";
    }
    bytes = std::move(s);
    return std::nullopt;
}

}  // namespace korvex
