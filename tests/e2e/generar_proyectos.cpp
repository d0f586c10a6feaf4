// Writes generated projects (ProyectosGenerados.h) into a folder, for the
// measures and the thread checks made by hand:
//   generar_proyectos CARPETA N [--todos]
// N projects "generadoK.kvx": the first N that are calculated (K skips those
// whose data the checks refuse) or, with --todos, K = 0 .. N-1. The paths are
// printed one a line, in order.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ProyectosGenerados.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "--todos")) {
        std::fprintf(stderr, "Uso: generar_proyectos CARPETA N [--todos]\n");
        return 2;
    }
    const bool todos = argc == 4;
    const int n = std::atoi(argv[2]);
    const std::filesystem::path carpeta = argv[1];
    std::filesystem::create_directories(carpeta);
    for (int k = 0, escritos = 0; escritos < n; ++k) {
        if (!todos && korvex::pruebas::DatosRechazados(k)) continue;
        const std::filesystem::path ruta = carpeta / ("generado" + std::to_string(k) + ".kvx");
        std::ofstream(ruta, std::ios::binary) << korvex::pruebas::GenerarProyecto(k).kvx;
        std::printf("%s\n", ruta.c_str());
        ++escritos;
    }
    return 0;
}
