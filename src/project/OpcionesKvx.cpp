// The options record of the project file: the live-load arrangements, the
// design rules, the sustained part of the live load, the stirrup bar and the
// clear cover, after the loads. Each form adds fields at the end of the one
// before, so that every earlier record still reads:
//   "Opciones",A                          the arrangements (0 or 1)
//   "Opciones",A,"norma",pct              the rules and the sustained live load
//   "Opciones",A,"norma",pct,"3/8"        the stirrup bar, "3/8" or "1/2"
//   "Opciones",A,"norma",pct,"3/8",rec    the clear cover, cm (the bar may be
//                                         "": none chosen)
// After it (or after the loads when every option is at its default), one
// record per face whose bars the user gave:
//   "Barras","inferior","3/4",5           face, bar of the table, count
#include <cmath>

#include "design/Armado.h"
#include "design/Reglas.h"
#include "project/CamposLineaKvx.h"

namespace korvex::kvx {

namespace {

constexpr std::string_view kNombreRegistro = "Opciones";

// The names of the record's fields in the messages.
constexpr const char* kNombres[] = {"nombre del registro Opciones",
                                    "alternancia del registro Opciones",
                                    "norma de diseño del registro Opciones",
                                    "carga viva sostenida (%) del registro Opciones",
                                    "diámetro de los estribos del registro Opciones",
                                    "recubrimiento libre (cm) del registro Opciones"};
constexpr int kCampos = 6;

bool PorcentajeValido(float v) {
    return v >= 0.0f && v <= 100.0f;  // false for NaN as well
}

bool RecubrimientoValido(float v) {
    return std::isfinite(v) && v >= 0.0f;
}

bool Predeterminadas(const EstadoProyecto& e) {
    return e.Norma == kReglasClasicas && e.VivaSostenida == 0.0f &&
           e.Estribo == DiametroEstribo::SinElegir && e.RecubrimientoLibre == kRecubrimientoLibre;
}

std::string Claves() {
    std::string t;
    const std::vector<std::string_view> claves = ClavesReglas();
    for (std::size_t i = 0; i < claves.size(); ++i) {
        if (i > 0) t += i + 1 == claves.size() ? " o " : ", ";
        t += claves[i];
    }
    return t;
}

}  // namespace

namespace {

// Whether the first field of `linea` is the text `nombre`. Only that field
// decides; a fault further on is the reader's to name.
bool EsRegistro(std::string_view linea, std::string_view nombre) {
    std::vector<Token> campos;
    int campoMalo = 0;
    std::string razon;
    const std::size_t coma = linea.find(',');
    Dividir(linea.substr(0, coma), campos, campoMalo, razon);
    return campos.size() == 1 && campos[0].entrecomillado && campos[0].contenido == nombre;
}

}  // namespace

bool EsRegistroOpciones(std::string_view linea) {
    return EsRegistro(linea, kNombreRegistro);
}

std::optional<FalloCampo> LeerOpciones(std::string_view linea, EstadoProyecto& e) {
    std::vector<Token> campos;
    int campoMalo = 0;
    std::string razon;
    if (!Dividir(linea, campos, campoMalo, razon)) {
        return FalloCampo{campoMalo, campoMalo <= kCampos ? kNombres[campoMalo - 1] : "", razon};
    }
    if (campos.size() != 2 && campos.size() != 4 && campos.size() != 5 && campos.size() != 6) {
        return FalloCampo{0, "",
                          "el registro Opciones tiene " + std::to_string(campos.size()) +
                              " campos y debe tener 2 (alternancia), 4 (alternancia, norma "
                              "de diseño y carga viva sostenida), 5 (y el diámetro de los "
                              "estribos) o 6 (y el recubrimiento libre)"};
    }
    long long alternancia = 0;
    if (std::string r = LeerEntero(campos[1], 0, 1, alternancia); !r.empty()) {
        return FalloCampo{2, kNombres[1], r};
    }
    std::string norma(kReglasClasicas);
    float sostenida = 0;
    DiametroEstribo estribo = DiametroEstribo::SinElegir;
    float recubrimiento = kRecubrimientoLibre;
    if (campos.size() >= 4) {
        if (!campos[2].entrecomillado) {
            return FalloCampo{3, kNombres[2],
                              "se esperaba la clave de la norma entre comillas (" + Claves() +
                                  ") y hay " + Mostrar(campos[2].contenido)};
        }
        norma = std::string(campos[2].contenido);
        if (!ReglasConocidas(norma)) {
            return FalloCampo{3, kNombres[2], "la norma " + Mostrar(norma) + " no es " + Claves()};
        }
        if (std::string r = LeerNumero(campos[3], sostenida); !r.empty()) {
            return FalloCampo{4, kNombres[3], r};
        }
        if (!PorcentajeValido(sostenida)) {
            return FalloCampo{
                4, kNombres[3],
                "el porcentaje debe estar entre 0 y 100 y hay " + Mostrar(campos[3].contenido)};
        }
    }
    if (campos.size() >= 5) {
        estribo = EstriboDeTexto(campos[4].contenido);
        // Followed by the clear cover, the field may say that no bar was
        // chosen yet.
        const bool ninguno = campos.size() == 6 && campos[4].contenido.empty();
        if (!campos[4].entrecomillado || (estribo == DiametroEstribo::SinElegir && !ninguno)) {
            return FalloCampo{5, kNombres[4],
                              "se esperaba \"3/8\" o \"1/2\" entre comillas y hay " +
                                  Mostrar(campos[4].contenido)};
        }
    }
    if (campos.size() == 6) {
        if (std::string r = LeerNumero(campos[5], recubrimiento); !r.empty()) {
            return FalloCampo{6, kNombres[5], r};
        }
        if (!RecubrimientoValido(recubrimiento)) {
            return FalloCampo{
                6, kNombres[5],
                "el recubrimiento no puede ser negativo y hay " + Mostrar(campos[5].contenido)};
        }
    }
    e.AlternanciaViva = alternancia == 1;
    e.Norma = std::move(norma);
    e.VivaSostenida = sostenida;
    e.Estribo = estribo;
    e.RecubrimientoLibre = recubrimiento;
    return std::nullopt;
}

std::optional<std::string> RegistroOpciones(const EstadoProyecto& e, std::string& razon) {
    if (!ReglasConocidas(e.Norma)) {
        razon = "La norma de diseño \"" + e.Norma + "\" no es " + Claves() +
                ": no se puede guardar el proyecto.";
        return std::nullopt;
    }
    if (!PorcentajeValido(e.VivaSostenida)) {
        razon =
            "La carga viva sostenida debe estar entre 0 y 100 %: no se puede guardar el "
            "proyecto.";
        return std::nullopt;
    }
    if (!RecubrimientoValido(e.RecubrimientoLibre)) {
        razon =
            "El recubrimiento libre debe ser un número de 0 cm o más: no se puede guardar el "
            "proyecto.";
        return std::nullopt;
    }
    const std::string cabeza = "\"" + std::string(kNombreRegistro) + "\",";
    // With the default rules, no sustained live load and no stirrup bar the
    // record is the one of the arrangements alone, or none, as every earlier
    // version wrote it; the bar's field only when one was chosen, the clear
    // cover's only when it is not 4 cm.
    if (Predeterminadas(e)) return e.AlternanciaViva ? cabeza + "1" : std::string();
    std::string r = cabeza + (e.AlternanciaViva ? "1" : "0") + ",\"" + e.Norma + "\"," +
                    NumeroTexto(e.VivaSostenida);
    const bool recubrimiento = e.RecubrimientoLibre != kRecubrimientoLibre;
    if (e.Estribo != DiametroEstribo::SinElegir || recubrimiento)
        r += ",\"" + std::string(TextoEstribo(e.Estribo)) + "\"";
    if (recubrimiento) r += "," + NumeroTexto(e.RecubrimientoLibre);
    return r;
}

// ---------------------------------------------------------------------------
// The records of the user's bars.

namespace {

constexpr std::string_view kRegistroBarras = "Barras";
constexpr const char* kNombresBarras[] = {"nombre del registro Barras", "cara del registro Barras",
                                          "diámetro del registro Barras",
                                          "cantidad del registro Barras"};
constexpr int kCamposBarras = 4;

// The row of the bar table named `t` ("1", "3/4", "1/2", "3/8"); -1 for
// any other text.
int FilaVarilla(std::string_view t) {
    for (std::size_t i = 0; i < kNombreVarilla.size(); ++i) {
        if (t == kNombreVarilla[i]) return static_cast<int>(i);
    }
    return -1;
}

bool BarrasValidas(const BarrasUsuario& b) {
    return b.diametro >= 0 && b.diametro < static_cast<int>(kNombreVarilla.size()) &&
           b.cantidad >= kBarrasUsuarioMin && b.cantidad <= kBarrasUsuarioMax;
}

}  // namespace

bool EsRegistroBarras(std::string_view linea) {
    return EsRegistro(linea, kRegistroBarras);
}

std::optional<FalloCampo> LeerBarras(std::string_view linea, bool& inferior, BarrasUsuario& b) {
    std::vector<Token> campos;
    int campoMalo = 0;
    std::string razon;
    if (!Dividir(linea, campos, campoMalo, razon)) {
        return FalloCampo{campoMalo,
                          campoMalo <= kCamposBarras ? kNombresBarras[campoMalo - 1] : "", razon};
    }
    if (campos.size() != kCamposBarras) {
        return FalloCampo{0, "",
                          "el registro Barras tiene " + std::to_string(campos.size()) +
                              " campos y debe tener 4 (cara, diámetro y cantidad)"};
    }
    const std::string_view cara = campos[1].contenido;
    if (!campos[1].entrecomillado || (cara != "inferior" && cara != "superior")) {
        return FalloCampo{
            2, kNombresBarras[1],
            "se esperaba \"inferior\" o \"superior\" entre comillas y hay " + Mostrar(cara)};
    }
    const int fila = FilaVarilla(campos[2].contenido);
    if (!campos[2].entrecomillado || fila < 0) {
        return FalloCampo{3, kNombresBarras[2],
                          "se esperaba \"1\", \"3/4\", \"1/2\" o \"3/8\" entre comillas y hay " +
                              Mostrar(campos[2].contenido)};
    }
    long long cantidad = 0;
    if (std::string r = LeerEntero(campos[3], kBarrasUsuarioMin, kBarrasUsuarioMax, cantidad);
        !r.empty()) {
        return FalloCampo{4, kNombresBarras[3], r};
    }
    inferior = cara == "inferior";
    b = BarrasUsuario{fila, static_cast<int>(cantidad)};
    return std::nullopt;
}

std::optional<std::vector<std::string>> RegistrosBarras(const EstadoProyecto& e,
                                                        std::string& razon) {
    std::vector<std::string> registros;
    for (const bool inferior : {true, false}) {
        const std::optional<BarrasUsuario>& b = inferior ? e.BarrasInferior : e.BarrasSuperior;
        if (!b) continue;
        const char* cara = inferior ? "inferior" : "superior";
        if (!BarrasValidas(*b)) {
            razon = std::string("Las varillas de la cara ") + cara + " deben ser de " +
                    std::to_string(kBarrasUsuarioMin) + " a " + std::to_string(kBarrasUsuarioMax) +
                    " barras de un diámetro de la tabla: no se puede guardar el proyecto.";
            return std::nullopt;
        }
        registros.push_back("\"" + std::string(kRegistroBarras) + "\",\"" + cara + "\",\"" +
                            kNombreVarilla[static_cast<std::size_t>(b->diametro)] + "\"," +
                            std::to_string(b->cantidad));
    }
    return registros;
}

}  // namespace korvex::kvx
