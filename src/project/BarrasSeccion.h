// The bars proposed by the bar table, placed in the report's section
// figure: which column of the table each face carries, its label, and where
// each bar goes in the section. Lengths in cm, x from the left edge of the
// section's widest part, y above the bottom fibre.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "project/Memoria.h"

namespace korvex {

// Nominal bar diameters, cm, in the order of the rows of the bar table:
// 1", 3/4", 1/2", 3/8".
inline constexpr std::array<double, 4> kDiametroVarilla = {2.54, 1.905, 1.27, 0.9525};

// "4Ø1\" + 1Ø3/4\"": the counts of each size, largest first; empty when
// there is no bar.
std::string TextoVarillas(const std::array<int, 4>& cuenta);

// Puts the recorded bar table of a design on the section figure:
// the bottom face takes the column with more area of M(+) tension and M(-)
// compression, the top face that of M(-) tension and M(+) compression; the
// legend names each face's bars and, when compression steel was designed
// (AsCompresionPos or AsCompresionNeg above 0), asks to confine it. After a
// design failure (an insufficient section, a shear failure) no bar is put
// and the legend says why.
void PonerVarillas(const ResultadoDiseno& e, FiguraSeccion& f);

// One bar as drawn: its centre, the diameter drawn (to scale, or smaller
// when the face is crowded) and its row of the bar table (0 for 1").
struct BarraDibujada {
    double x = 0, y = 0;  // cm
    double diametro = 0;  // cm
    int tamano = 0;

    bool operator==(const BarraDibujada&) const = default;
};

// The bars of one face of `f`, largest first: their centres spread evenly
// between the cover from each side of the face, the larger bars at the
// corners; in one row when they fit with a clear gap of half a bar, else in
// two rows 2.5 cm apart (clear) towards the inside, all drawn smaller if
// they still do not fit. Empty when the face has no bars or so many that
// they could not be told apart (the legend gives the count).
std::vector<BarraDibujada> DisponerVarillas(const FiguraSeccion& f, bool inferior);

}  // namespace korvex
