// Writes generated projects (ProyectosGenerados.h) into a folder, for the
// measures and the thread checks made by hand:
//   generar_proyectos CARPETA N [--mezcla]
// N projects numbered from 0, all valid (one in eight with a failing design)
// or, with --mezcla, with refused ones among them as the tests use them. The
// paths are printed one a line, in order.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ProyectosGenerados.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "--mezcla")) {
        std::fprintf(stderr, "Uso: generar_proyectos CARPETA N [--mezcla]\n");
        return 2;
    }
    const int n = std::atoi(argv[2]);
    const auto v = korvex::pruebas::GenerarProyectos(n, argc != 4);
    for (const std::string& r : korvex::pruebas::EscribirProyectos(argv[1], v)) {
        std::printf("%s\n", r.c_str());
    }
    return 0;
}
