// One libFuzzer target: the check named by KORVEX_COMPROBAR (see
// Comprobaciones.h) on every generated input; a failed property aborts with
// its description so that libFuzzer saves the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Comprobaciones.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string fallo =
        korvex::fuzz::KORVEX_COMPROBAR({reinterpret_cast<const char*>(datos), tamano});
    if (!fallo.empty()) {
        std::fprintf(stderr, "%s\n", fallo.c_str());
        std::abort();
    }
    return 0;
}
