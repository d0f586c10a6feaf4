// The headless command: calculation of a project file and the polygon
// utility, without windows. Each command returns its exit status and the
// texts for standard output and standard error, so that the executable only
// prints them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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
    std::string norma{};       // key of the design rules; empty: the file's
};

// korvex --calcular: reads the file as the open command does (read, section
// recomputed, calculation), then runs the point query at each --punto.
Salida Calcular(const OpcionesCalcular& o);

// One file's part of korvex --calcular A.kvx B.kvx ...: the file read and
// calculated as Calcular does with the same options (`o.archivo` the file).
// With `o.json` its output is one line: a calculated or checked file's object
// is the single call's output compacted (CompactarJson); a refused file's is
// {"calculado":false,"leido":false,"mensajes":[...]} with the reader's
// message, and its status kSalidaRechazado. Without `o.json`, a line
// "==> ARCHIVO <==" and the single call's summary, or for a refused file the
// line "No se leyó el proyecto." and its messages. A refused file's error is
// "ARCHIVO: título: texto" for each message. Reentrant: each call has its own
// project and message record.
Salida CalcularParte(const OpcionesCalcular& o);

// Writes one part of the many-file call.
using EscribirParte = std::function<void(const Salida&)>;

// korvex --calcular A.kvx B.kvx ...: the parts of `archivos` (the options of
// `o` for each, its `archivo` unused) calculated on `hilos` threads (0: one
// per core, at least 1, never more than the files), each passed to `escribir`
// on the calling thread in the order of `archivos`, as soon as it and those
// before it are ready. Without `o.json` the parts after the first start with
// a blank line. Returns kSalidaRechazado when any file was refused, otherwise
// kSalidaLeido.
int CalcularLote(const OpcionesCalcular& o, const std::vector<std::string>& archivos,
                 const EscribirParte& escribir, unsigned hilos = 0);

// The JSON text `t` without the blanks (space, tab, CR, LF) outside its
// strings: the same characters, numbers included, on one line.
std::string CompactarJson(std::string_view t);

struct OpcionesPoligono {
    std::string archivo;
    bool json = false;
};

// korvex --poligono: area, centroid and inertia of the polygon whose vertices
// the file holds, one "x,y" or "x y" per line.
Salida Poligono(const OpcionesPoligono& o);

}  // namespace korvex::lote
