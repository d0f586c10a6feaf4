// The options record of the project file: the live-load arrangements, the
// design rules, the sustained part of the live load and the stirrup bar,
// after the loads. Each form adds fields at the end of the one before, so
// that every earlier record still reads:
//   "Opciones",A                          the arrangements (0 or 1)
//   "Opciones",A,"norma",pct              the rules and the sustained live load
//   "Opciones",A,"norma",pct,"3/8"        the stirrup bar, "3/8" or "1/2"
#include <cmath>

#include "design/Reglas.h"
#include "project/CamposLineaKvx.h"

namespace korvex::kvx {

namespace {

constexpr std::string_view kNombreRegistro = "Opciones";

// The names of the record's fields in the messages.
constexpr const char* kNombres[] = {
    "nombre del registro Opciones", "alternancia del registro Opciones",
    "norma de diseño del registro Opciones", "carga viva sostenida (%) del registro Opciones",
    "diámetro de los estribos del registro Opciones"};
constexpr int kCampos = 5;

bool PorcentajeValido(float v) {
    return v >= 0.0f && v <= 100.0f;  // false for NaN as well
}

bool Predeterminadas(const EstadoProyecto& e) {
    return e.Norma == kReglasClasicas && e.VivaSostenida == 0.0f &&
           e.Estribo == DiametroEstribo::SinElegir;
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

bool EsRegistroOpciones(std::string_view linea) {
    std::vector<Token> campos;
    int campoMalo = 0;
    std::string razon;
    // Only the first field decides; a fault further on is the reader's to name.
    const std::size_t coma = linea.find(',');
    Dividir(linea.substr(0, coma), campos, campoMalo, razon);
    return campos.size() == 1 && campos[0].entrecomillado && campos[0].contenido == kNombreRegistro;
}

std::optional<FalloCampo> LeerOpciones(std::string_view linea, EstadoProyecto& e) {
    std::vector<Token> campos;
    int campoMalo = 0;
    std::string razon;
    if (!Dividir(linea, campos, campoMalo, razon)) {
        return FalloCampo{campoMalo, campoMalo <= kCampos ? kNombres[campoMalo - 1] : "", razon};
    }
    if (campos.size() != 2 && campos.size() != 4 && campos.size() != 5) {
        return FalloCampo{0, "",
                          "el registro Opciones tiene " + std::to_string(campos.size()) +
                              " campos y debe tener 2 (alternancia), 4 (alternancia, norma "
                              "de diseño y carga viva sostenida) o 5 (y el diámetro de los "
                              "estribos)"};
    }
    long long alternancia = 0;
    if (std::string r = LeerEntero(campos[1], 0, 1, alternancia); !r.empty()) {
        return FalloCampo{2, kNombres[1], r};
    }
    std::string norma(kReglasClasicas);
    float sostenida = 0;
    DiametroEstribo estribo = DiametroEstribo::SinElegir;
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
    if (campos.size() == 5) {
        estribo = EstriboDeTexto(campos[4].contenido);
        if (!campos[4].entrecomillado || estribo == DiametroEstribo::SinElegir) {
            return FalloCampo{5, kNombres[4],
                              "se esperaba \"3/8\" o \"1/2\" entre comillas y hay " +
                                  Mostrar(campos[4].contenido)};
        }
    }
    e.AlternanciaViva = alternancia == 1;
    e.Norma = std::move(norma);
    e.VivaSostenida = sostenida;
    e.Estribo = estribo;
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
    const std::string cabeza = "\"" + std::string(kNombreRegistro) + "\",";
    // With the default rules, no sustained live load and no stirrup bar the
    // record is the one of the arrangements alone, or none, as every earlier
    // version wrote it; the bar's field only when one was chosen.
    if (Predeterminadas(e)) return e.AlternanciaViva ? cabeza + "1" : std::string();
    std::string r = cabeza + (e.AlternanciaViva ? "1" : "0") + ",\"" + e.Norma + "\"," +
                    NumeroTexto(e.VivaSostenida);
    if (e.Estribo != DiametroEstribo::SinElegir)
        r += ",\"" + std::string(TextoEstribo(e.Estribo)) + "\"";
    return r;
}

}  // namespace korvex::kvx
