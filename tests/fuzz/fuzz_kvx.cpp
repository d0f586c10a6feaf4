// Arbitrary bytes as a project file. The reader must never crash, leak or
// leave a refused project half-read; whatever it accepts must be written and
// read back to the same project, and written again to the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "project/ArchivoKvx.h"

namespace {

[[noreturn]] void Fallo(const char* que) {
    std::fprintf(stderr, "korvex_fuzz_kvx: %s\n", que);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace korvex;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);

    Proyecto p;
    const Proyecto antes = p;
    if (const std::optional<Mensaje> m = LeerKvx(bytes, p)) {
        if (!(p == antes)) Fallo("un archivo rechazado cambió el proyecto");
        if (m->texto.empty() || m->titulo.empty() || m->estilo != kEstiloCritico) {
            Fallo("rechazo sin mensaje");
        }
        return 0;
    }

    std::string primera;
    if (EscribirKvx(p, primera)) Fallo("el escritor rechaza lo que el lector aceptó");
    Proyecto q;
    if (LeerKvx(primera, q)) Fallo("el lector rechaza lo que el escritor escribió");
    if (!(q == p)) Fallo("escribir y leer de nuevo no da el mismo proyecto");
    std::string segunda;
    if (EscribirKvx(q, segunda) || segunda != primera) Fallo("la segunda escritura difiere");
    return 0;
}
