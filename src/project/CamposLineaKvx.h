// The fields of one line of the project file: the split at the commas, the
// reading of each kind of field (number, integer, text, Boolean) with the
// reason of a refusal, and the plain decimal form the writer gives a Single.
// The options record after the loads (OpcionesKvx.cpp) is read and written
// here as well. Internal to the project file code.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Estado.h"

namespace korvex::kvx {

struct Token {
    std::string_view contenido;  // inside the quotes, or the trimmed raw text
    bool entrecomillado = false;
};

// `t` without the blanks (space, tab) at its ends.
std::string_view Recortar(std::string_view t);

// Splits one line (without its line end). On a fault returns false and the
// 1-based number of the faulty field and the reason.
bool Dividir(std::string_view linea, std::vector<Token>& campos, int& campoMalo,
             std::string& razon);

// A text of the file as a message quotes it: UTF-8, at most 40 bytes of it.
std::string Mostrar(std::string_view t);

// Each returns the reason of a refusal, empty when the field was read.
// A number in decimal notation, float or double; a value beyond the type's
// range is refused, an underflow reads as the nearest representable value.
template <class T>
std::string LeerNumero(const Token& t, T& valor);
std::string LeerEntero(const Token& t, long long minimo, long long maximo, long long& valor);
std::string LeerTexto(const Token& t, std::string& valor);
std::string LeerBooleano(const Token& t, bool& valor);

// Shortest plain decimal form that reads back to the same Single.
std::string NumeroTexto(float v);

// The options record after the loads: "Opciones",A with A the live-load
// arrangements (0 or 1), followed, when the rules or the sustained live load
// are not the defaults, by the rules' key and the sustained percentage:
// "Opciones",0,"aci318-19",30, and when a stirrup bar was chosen, by it:
// "Opciones",0,"clasica",0,"1/2", and when the clear cover is not 4 cm, by
// it (the bar "" when none was chosen): "Opciones",0,"clasica",0,"",5. A
// project with every option at its default has no record; one with only the
// arrangements on, "Opciones",1. Then one record per face whose bars the
// user gave: "Barras","inferior","3/4",5.

// Whether `linea` (trimmed) is an options record: its first field the text
// "Opciones".
bool EsRegistroOpciones(std::string_view linea);

// A refusal of one field of a record.
struct FalloCampo {
    int campo = 0;  // 1-based; 0 for the record as a whole
    std::string nombre;
    std::string razon;
};

// Reads the options record `linea` into the options of `e` (arrangements,
// rules, sustained live load, stirrup bar: not chosen when the record does
// not hold it); on a fault `e` is left as it was.
std::optional<FalloCampo> LeerOpciones(std::string_view linea, EstadoProyecto& e);

// The options record of `e` without its line end; empty when every option is
// at its default. Refuses (the reason in `razon`, nothing returned) a rules
// key the reader does not know, a sustained percentage outside 0..100 or a
// clear cover that is negative or not a number.
std::optional<std::string> RegistroOpciones(const EstadoProyecto& e, std::string& razon);

// Whether `linea` (trimmed) is a record of the user's bars: its first field
// the text "Barras".
bool EsRegistroBarras(std::string_view linea);

// Reads a record of the user's bars: the face (`inferior` true for the
// bottom one) and the bars; on a fault neither is written.
std::optional<FalloCampo> LeerBarras(std::string_view linea, bool& inferior, BarrasUsuario& b);

// The records of the user's bars of `e` without their line ends, bottom face
// first; none when the program chooses both. Refuses (as RegistroOpciones)
// a bar outside the table or a count outside 2..100.
std::optional<std::vector<std::string>> RegistrosBarras(const EstadoProyecto& e,
                                                        std::string& razon);

}  // namespace korvex::kvx
