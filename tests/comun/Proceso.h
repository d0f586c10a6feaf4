// Runs a program as the tests need it: without any display (so that a window
// opened by mistake fails), standard input empty, standard output and error
// collected, and its exit status.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvex::pruebas {

struct Ejecucion {
    int estado = -1;  // exit status; -1 when it did not end normally
    std::string salida, error;
};

namespace detalle {

inline std::string Contenido(const std::string& ruta) {
    std::stringstream s;
    s << std::ifstream(ruta, std::ios::binary).rdbuf();
    std::remove(ruta.c_str());
    return s.str();
}

inline int Temporal(std::string& ruta) {
    ruta = (std::filesystem::temp_directory_path() / "korvex_proceso_XXXXXX").string();
    return ::mkstemp(ruta.data());
}

}  // namespace detalle

inline Ejecucion Ejecutar(const std::string& programa, const std::vector<std::string>& argumentos) {
    std::string rSalida, rError;
    const int fSalida = detalle::Temporal(rSalida), fError = detalle::Temporal(rError);
    Ejecucion r;
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(v);
        const int nulo = ::open("/dev/null", O_RDONLY);
        ::dup2(nulo, 0);
        ::dup2(fSalida, 1);
        ::dup2(fError, 2);
        std::vector<char*> argv{const_cast<char*>(programa.c_str())};
        for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(programa.c_str(), argv.data());
        ::_exit(127);
    }
    int estado = 0;
    if (hijo > 0 && ::waitpid(hijo, &estado, 0) == hijo && WIFEXITED(estado)) {
        r.estado = WEXITSTATUS(estado);
    }
    ::close(fSalida);
    ::close(fError);
    r.salida = detalle::Contenido(rSalida);
    r.error = detalle::Contenido(rError);
    return r;
}

}  // namespace korvex::pruebas
