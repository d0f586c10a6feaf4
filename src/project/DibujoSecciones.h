// The cross-sections of the bar drawing: where the beam is cut (the stations
// of the largest M(+) and M(-)) and each section drawn with its outline, its
// closed stirrup and a circle for every bar present at that abscissa.
#pragma once

#include <string>
#include <vector>

#include "model/DatosViga.h"
#include "model/Dibujo.h"
#include "model/Resultados.h"
#include "project/GeometriaDespiece.h"

namespace korvex {

// One cut of the beam: its letter ("A", "B") and abscissa, m.
struct CorteSeccion {
    std::string letra;
    double x = 0;
};

// The cuts at the largest sagging moment and at the largest hogging moment
// (those of the envelope when the design takes it), only those that exist,
// lettered A, B in that order; abscissas held within the beam.
std::vector<CorteSeccion> CortesSeccion(const ResultadoAnalisis& a, double longitud);

// The bars of `d` present at the abscissa `x` (m).
std::vector<BarraDespiece> BarrasEn(const DespieceViga& d, double x);

// Draws the section of cut `c` with its bottom left corner at `origen`,
// `escala` times true size, its title "Sección A-A (x = 3.00 m)" above it.
void DibujarSeccion(const DatosViga& datos, const DespieceViga& d, const ContornoSeccion& s,
                    const CorteSeccion& c, PuntoCm origen, double escala, double alturaTexto,
                    Dibujo& dibujo);

}  // namespace korvex
