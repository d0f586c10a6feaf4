// Replays the saved fuzzing findings (one folder per target) and the example
// projects through the checks of the fuzz targets, so that a regression is
// caught by the plain build without clang.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Comprobaciones.h"

namespace korvex::fuzz {
namespace {

namespace fs = std::filesystem;

// Feeds every file of `carpeta` (with `extension`, if given) to `comprobar`;
// returns how many there were. A target without findings has no folder yet.
int Repetir(const fs::path& carpeta, std::string (*comprobar)(std::string_view),
            const char* extension = nullptr) {
    int n = 0;
    if (!fs::is_directory(carpeta)) return n;
    for (const fs::directory_entry& e : fs::directory_iterator(carpeta)) {
        if (!e.is_regular_file() || (extension && e.path().extension() != extension)) continue;
        std::stringstream bytes;
        bytes << std::ifstream(e.path(), std::ios::binary).rdbuf();
        EXPECT_EQ(comprobar(bytes.str()), "") << e.path().filename();
        ++n;
    }
    return n;
}

TEST(Regresiones, LecturaFormatosPoligonoYProyectos) {
    const fs::path hallazgos = KORVEX_FUZZ_DIR;
    EXPECT_GT(Repetir(hallazgos / "texto", ComprobarTexto), 0);
    EXPECT_GT(Repetir(hallazgos / "poligono", ComprobarPoligono), 0);
    Repetir(hallazgos / "kvx", ComprobarKvx);
    EXPECT_GT(Repetir(KORVEX_EJEMPLOS, ComprobarKvx, ".kvx"), 0);
}

}  // namespace
}  // namespace korvex::fuzz
