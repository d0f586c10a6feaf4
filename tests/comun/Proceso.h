// Runs a program as the tests need it: without any display (so that a window
// opened by mistake fails), standard input empty, standard output and error
// collected, and its exit status (-1 when it did not end normally).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvex::pruebas {

struct Ejecucion {
    int estado = -1;
    std::string salida, error;
};

inline Ejecucion Ejecutar(const std::string& programa, const std::vector<std::string>& argumentos) {
    auto comillas = [](const std::string& s) {
        std::string r = "'";
        for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return r + "'";
    };
    const auto base = std::filesystem::temp_directory_path() / std::to_string(::getpid());
    const std::string salida = base.string() + ".salida", error = base.string() + ".error";
    std::string orden =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + comillas(programa);
    for (const std::string& a : argumentos) orden += " " + comillas(a);
    orden += " >" + comillas(salida) + " 2>" + comillas(error) + " </dev/null";
    const int r = std::system(orden.c_str());
    auto leer = [](const std::string& ruta) {
        std::stringstream s;
        s << std::ifstream(ruta, std::ios::binary).rdbuf();
        std::filesystem::remove(ruta);
        return s.str();
    };
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, leer(salida), leer(error)};
}

}  // namespace korvex::pruebas
