// Arbitrary bytes as a project file. The reader must never crash, leak or
// leave a refused project half-read; whatever it accepts must be written and
// read back to the same project, and written again to the same bytes.
#include "Comprobaciones.h"
#include "project/ArchivoKvx.h"

namespace korvex::fuzz {

std::string ComprobarKvx(std::string_view bytes) {
    Proyecto p;
    const Proyecto antes = p;
    if (const std::optional<Mensaje> m = LeerKvx(bytes, p)) {
        if (!(p == antes)) return "un archivo rechazado cambió el proyecto";
        if (m->texto.empty() || m->titulo.empty() || m->estilo != kEstiloCritico) {
            return "rechazo sin mensaje";
        }
        return "";
    }
    std::string primera;
    if (EscribirKvx(p, primera)) return "el escritor rechaza lo que el lector aceptó";
    Proyecto q;
    if (LeerKvx(primera, q)) return "el lector rechaza lo que el escritor escribió";
    if (!(q == p)) return "escribir y leer de nuevo no da el mismo proyecto";
    std::string segunda;
    if (EscribirKvx(q, segunda) || segunda != primera) return "la segunda escritura difiere";
    return "";
}

}  // namespace korvex::fuzz
