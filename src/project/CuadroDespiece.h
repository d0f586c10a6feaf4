// The bar schedule as a table of texts under the drawing: one row per mark
// (face, function, count, diameter, ends, hooks, developed length) and one
// for the stirrups, so that the drafter has the cutting list with the drawing.
#pragma once

#include "model/DespieceResultado.h"
#include "model/Dibujo.h"

namespace korvex {

// Writes the table of `d` on layer "TEXTOS", its title's baseline at
// `origen` and the rows below it, texts `alturaTexto` high.
void DibujarCuadro(const DespieceViga& d, PuntoCm origen, double alturaTexto, Dibujo& dibujo);

}  // namespace korvex
