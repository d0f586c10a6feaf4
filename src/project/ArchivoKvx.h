// The project file (.kvx): one header record of 42 fields, one record of
// eight numbers per load and, when an option differs from its default, the
// options record ("Opciones",1 with only the live-load arrangements on;
// "Opciones",A,"aci318-19",30 with other rules or a sustained live load,
// a fifth field "3/8" or "1/2" once a stirrup bar was chosen and a sixth,
// the clear cover, when it is not 4 cm), then one record per face whose
// bars the user gave ("Barras","inferior","3/4",5; CamposLineaKvx.h);
// comma separated, texts in double quotes, Booleans
// as #TRUE# / #FALSE#, colours as signed 32-bit integers, CR LF line ends,
// texts in the Windows-1252 code page.
//
// The reader is all or nothing: on any fault the project is left exactly as
// it was and one message names the line and the field. The writer refuses a
// project that could not be read back the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Interfaz.h"
#include "project/Proyecto.h"

namespace korvex {

// Titles of the messages of the two commands (style 16).
inline constexpr const char* kTituloAbrir = "Error al abrir el proyecto";
inline constexpr const char* kTituloGuardar = "Error al guardar el proyecto";

// The record that follows the loads of a project saved with only the
// live-load arrangements on (older readers never reach it: they stop at the
// loads).
inline constexpr const char* kRegistroOpciones = "\"Opciones\",1";

// Largest file the reader accepts, bytes (32767 loads take about 3 MB).
inline constexpr std::size_t kTamanoMaximoKvx = 64u << 20;

// Reads the image of a file. On success writes the fields the file holds into
// `p` (everything else in `p` keeps its value) and returns nothing; otherwise
// returns the refusal and leaves `p` untouched.
std::optional<Mensaje> LeerKvx(std::string_view bytes, Proyecto& p);

// Reads the file `ruta` as LeerKvx does; a file that cannot be opened or read
// is refused the same way.
std::optional<Mensaje> LeerArchivoKvx(const std::string& ruta, Proyecto& p);

// The image of the file for `p` (CR LF, Windows-1252). Refuses, naming the
// field, a text holding a double quote, a line break or a character outside
// the code page, a number that is not finite, an unknown load code or a load
// count that does not match the table.
std::optional<Mensaje> EscribirKvx(const Proyecto& p, std::string& bytes);

// Saves `p` into `ruta` atomically: the image goes to a temporary file in the
// same folder, is flushed to disk and renamed over the target. On any failure
// the previous file stays as it was and the message says why.
std::optional<Mensaje> GuardarArchivoKvx(const std::string& ruta, const Proyecto& p);

}  // namespace korvex
