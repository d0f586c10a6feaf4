// A drawing made of layered primitives, in centimetres, x to the right along
// the beam and y upwards: what the bar drawing of a beam is made of. The
// windows and the report paint it and the DXF writer hands it to a drafter,
// so both show the same lines.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct PuntoCm {
    double x = 0;
    double y = 0;
};

// A layer with its colour as an AutoCAD colour index (1 red, 2 yellow,
// 3 green, 4 cyan, 5 blue, 6 magenta, 7 black or white, 8 grey).
struct CapaDibujo {
    std::string nombre;
    int color = 7;
};

struct LineaDibujo {
    std::string capa;
    PuntoCm a, b;
};

// An open or closed chain of straight segments (a bar with its hooks, the
// outline of a section).
struct PolilineaDibujo {
    std::string capa;
    std::vector<PuntoCm> puntos;
    bool cerrada = false;
};

// A circle (a bar seen in a cross-section).
struct CirculoDibujo {
    std::string capa;
    PuntoCm centro;
    double radio = 0;
};

enum class AlineacionTexto { Izquierda, Centro, Derecha };

// One line of text (UTF-8) whose baseline starts, is centred or ends at
// `punto`, `altura` centimetres high.
struct TextoDibujo {
    std::string capa;
    PuntoCm punto;
    double altura = 0;
    std::string texto;
    AlineacionTexto alineacion = AlineacionTexto::Izquierda;
};

struct Dibujo {
    std::vector<CapaDibujo> capas;
    std::vector<LineaDibujo> lineas;
    std::vector<PolilineaDibujo> polilineas;
    std::vector<CirculoDibujo> circulos;
    std::vector<TextoDibujo> textos;
};

}  // namespace korvex
