// Where the bars of the schedule sit in the section, shared by the elevation
// and the cross-sections of the bar drawing. Lengths in cm; heights measured
// up from the bottom fibre, widths from the left edge of the widest part.
#pragma once

#include <string>
#include <vector>

#include "model/DatosViga.h"
#include "model/DespieceResultado.h"

namespace korvex {

// The outline of the section as typed: total height, widest width and the
// web (inside which the stirrup closes) centred in it.
struct ContornoSeccion {
    double alto = 0;                      // cm, h, or hf + hw of a T or an inverted T
    double ancho = 0;                     // cm, b, or the flange bf
    double almaDesde = 0, almaHasta = 0;  // cm, edges of the web (the whole width of a rectangle)
    std::vector<double> x, y;             // cm, vertices counter-clockwise from the bottom left
};

// The outline of `s`; alto 0 when the section is undefined or not a finite,
// positive size.
ContornoSeccion Contorno(const SeccionViga& s);

// "1\"", "3/4\"", "1/2\"", "3/8\"" for the rows of the bar table; "?" for another row.
std::string NombreDiametro(int fila);

// Nominal diameter, cm, of a row of the bar table (0 for another row).
double Diametro(int fila);

// Row of the stirrup bar: that of the schedule's stirrups, else the bar the
// project chose (3/8" when none).
int FilaEstribo(const DatosViga& datos, const DespieceViga& d);

// Height, cm above the bottom fibre, of the centre of the bars of `b`: layer
// 1 at clear cover + stirrup + db/2 from its face, layer 2 a clear 2.5 cm
// inside the largest bar of layer 1 of that face.
double AlturaBarra(const DatosViga& datos, const DespieceViga& d, const BarraDespiece& b,
                   double alto);

}  // namespace korvex
