// The curves of a calculation drawn to scale on two twip boxes of the main
// window's design size (kAnchoCaja x kAltoCaja): the beam from kLineaX1 to
// kLineaX2 on the zero axis at kLineaY, one vertical hatch line per sampled
// centimetre (shear, moment, rotation) or the deflection line, the largest
// value kAlturaMaxima twips from the axis, and a small circle where the
// sampling met each extreme. With the live-load arrangements on, the boxes
// also draw the envelope's upper and lower curves as outlines, and the
// circles mark the envelope's extremes where they occur.
// Used by the main window and by the report, which always pastes shear and
// moment whatever the main window shows.
#pragma once

#include <vector>

#include "model/DespieceResultado.h"
#include "model/Estado.h"
#include "model/Resultados.h"

namespace korvex::ui {

class Lienzo;

// The diagram box, twips: its design size, the baseline that stands for the
// beam (left end (kLineaX1, kLineaY), right end at kLineaX2) and the height
// of the largest value above or below it.
namespace diagrama {
inline constexpr double kAnchoCaja = 5320, kAltoCaja = 2500;
inline constexpr double kLineaX1 = 480, kLineaX2 = 4670, kLineaY = 1293;
inline constexpr double kAlturaMaxima = 937;
}  // namespace diagrama

// Sample i of a station array; 0 for an element never written.
float Muestra(const std::vector<float>& a, int i);

// Station of the sampling of `c` at abscissa x (m): station i lies at (i - 1) cm.
int Estacion(const ResultadoAnalisis& c, double x);

// Divisor of a scale: 1 for an extreme of 0, so a zero diagram lies on the axis.
float NoCero(float v);

// Draws the diagrams of `c` on the beam of `e` (its length, and the option
// that shows the envelope): shear (upper box) and moment (lower box) when
// `momentos`, otherwise rotation and deflection. The boxes are not cleared
// first. A beam of length 0 draws nothing.
void DibujarCurvas(const EstadoProyecto& e, const ResultadoAnalisis& c, Lienzo* superior,
                   Lienzo* inferior, bool momentos);

// Draws phi Mn of the bars of each face (DespieceViga::capacidad) over the
// moment diagram in `inferior`, to the moment diagram's scale and sign: the
// bottom face's capacity on the sagging side (below the axis), the top
// face's on the hogging side, as outlines labelled "φMn"; a capacity beyond
// the box runs along its edge. Nothing for a schedule without capacity.
void DibujarCapacidad(const EstadoProyecto& e, const ResultadoAnalisis& c, const DespieceViga& d,
                      Lienzo* inferior);

}  // namespace korvex::ui
