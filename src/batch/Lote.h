// The headless command: calculation of a project file and the polygon
// utility, without windows. Each command returns its exit status and the
// texts for standard output and standard error, so that the executable only
// prints them.
#pragma once

#include <string>
#include <vector>

namespace korvex::lote {

// Exit statuses: the file was read (whatever the calculation found), the file
// was refused, the command line is wrong.
inline constexpr int kSalidaLeido = 0;
inline constexpr int kSalidaRechazado = 1;
inline constexpr int kSalidaUso = 2;

struct Salida {
    int estado = kSalidaLeido;
    std::string salida;  // standard output, UTF-8
    std::string error;   // standard error, UTF-8
};

struct OpcionesCalcular {
    std::string archivo;
    bool json = false;
    int uso = 1;                      // deflection-use category 1..4
    std::string estribo = "3/8";      // answer to the stirrup question: "3/8" or "1/2"
    std::vector<std::string> puntos;  // abscissas of --punto, as typed
    bool diagramas = false;
    bool alternancia = false;  // live-load arrangements on, whatever the file says
};

// korvex --calcular: reads the file as the open command does (read, section
// recomputed, calculation), then runs the point query at each --punto.
Salida Calcular(const OpcionesCalcular& o);

struct OpcionesPoligono {
    std::string archivo;
    bool json = false;
};

// korvex --poligono: area, centroid and inertia of the polygon whose vertices
// the file holds, one "x,y" or "x y" per line.
Salida Poligono(const OpcionesPoligono& o);

}  // namespace korvex::lote
