// Suggested bar counts for the four steel areas, largest bar first.
#pragma once

#include <array>

#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Bar areas, cm2, in the order of the rows: 1", 3/4", 1/2", 3/8".
inline constexpr std::array<double, 4> kAreaVarilla = {5.06707, 2.850229, 1.266768, 0.71255739};

// Counts of 1", 3/4", 1/2" and 3/8" bars for an area As (cm2): the larger
// bars by truncation of As plus half a 3/8" bar, the 3/8" bars by rounding
// (halves to even), and one 3/8" bar more when the bars fall short of As.
// `asVarillas`, when given, receives the area distributed (As plus the
// allowance; As itself when As is 0).
std::array<int, 4> ContarVarillas(float As, float* asVarillas = nullptr);

// Shortfall check: one 3/8" bar more when the bars `c` provide less than
// `area` - 0.356278695 cm2 (`area` includes that allowance). The rounding of
// the 3/8" count keeps the shortfall within the allowance except at rounding
// ties; this check settles those.
void ComprobarFaltante(double area, std::array<int, 4>& c);

// Fills r.Varillas (rows: bar sizes; columns: AsTraccionPos, AsTraccionNeg,
// AsCompresionPos, AsCompresionNeg) and leaves AsVarillas at the area of the
// last column. Records each column in r.Pasos.varillas.
void TablaVarillas(ResultadoDiseno& r);

// Design strength phi Mn (Kgr.cm) of the suggested bars of each section,
// recorded with its check phi Mn >= Mu: the tension bars with, where the
// design needed compression steel, the suggested compression bars at the
// stress the design gave them (Es eps's up to fy, less 0.85 f'c); a
// rectangular stress block 0.85 f'c of width b, or of the flange and the web
// when it falls below a flange in compression; phi, the block intensity and
// the strain limit of `reglas`.
void CapacidadVarillas(ResultadoDiseno& r, const ReglasDiseno& reglas);

}  // namespace korvex
