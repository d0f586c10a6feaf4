// The options record of the project file: the live-load arrangements, the
// design rules and the sustained part of the live load, after the loads.
#include <cmath>

#include "design/Reglas.h"
#include "project/CamposLineaKvx.h"

namespace korvex::kvx {

namespace {

constexpr std::string_view kNombreRegistro = "Opciones";

// The names of the record's fields in the messages.
constexpr const char* kNombres[] = {
    "nombre del registro Opciones", "alternancia del registro Opciones",
    "norma de diseño del registro Opciones", "carga viva sostenida (%) del registro Opciones"};

bool PorcentajeValido(float v) {
    return v >= 0.0f && v <= 100.0f;  // false for NaN as well
}

bool Predeterminadas(const EstadoProyecto& e) {
    return e.Norma == kReglasClasicas && e.VivaSostenida == 0.0f;
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
        return FalloCampo{campoMalo, campoMalo <= 4 ? kNombres[campoMalo - 1] : "", razon};
    }
    if (campos.size() != 2 && campos.size() != 4) {
        return FalloCampo{0, "",
                          "el registro Opciones tiene " + std::to_string(campos.size()) +
                              " campos y debe tener 2 (alternancia) o 4 (alternancia, norma "
                              "de diseño y carga viva sostenida)"};
    }
    long long alternancia = 0;
    if (std::string r = LeerEntero(campos[1], 0, 1, alternancia); !r.empty()) {
        return FalloCampo{2, kNombres[1], r};
    }
    std::string norma(kReglasClasicas);
    float sostenida = 0;
    if (campos.size() == 4) {
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
    e.AlternanciaViva = alternancia == 1;
    e.Norma = std::move(norma);
    e.VivaSostenida = sostenida;
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
    // With the default rules and no sustained live load the record is the one
    // of the arrangements alone, or none, as every earlier version wrote it.
    if (Predeterminadas(e)) return e.AlternanciaViva ? cabeza + "1" : std::string();
    return cabeza + (e.AlternanciaViva ? "1" : "0") + ",\"" + e.Norma + "\"," +
           NumeroTexto(e.VivaSostenida);
}

}  // namespace korvex::kvx
