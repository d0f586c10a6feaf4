// The drawing of the bars of a beam, in cm: the elevation with every bar of
// the schedule at its height, its cut-offs and its mark, the stirrup zones,
// and the cross-sections at the largest M(+) and M(-) with their bars. The
// window, the report and the DXF file all draw this one drawing.
#pragma once

#include <string>

#include "model/DatosViga.h"
#include "model/Dibujo.h"
#include "model/Resultados.h"

namespace korvex {

// The drawing of the design `r` of the beam `datos`; empty (no layers) when
// the design has no bar schedule.
//
// Layers (ACI colour): "CONTORNO" 7 outline of the beam and of the sections,
// "APOYOS" 8 the supports, "BARRAS" 1 the bars (one polyline per mark in the
// elevation, hooks as legs; one circle per bar in a section), "ESTRIBOS" 3
// one vertical line per stirrup and the closed stirrup of a section, "COTAS"
// 2 the ticks at the ends of cut bars and the extent of each stirrup zone,
// "TEXTOS" 7 marks, labels and titles, "EJES" 8 the axes of the supports and
// the lines of the cross-sections. The elevation is to true size; the
// sections below it are enlarged by kAmpliacionSeccion.
Dibujo DibujoDespiece(const DatosViga& datos, const ResultadoAnalisis& a, const ResultadoDiseno& r);

// The cross-sections are drawn this many times the scale of the elevation.
inline constexpr double kAmpliacionSeccion = 2.0;

// "(1) 3 Ø 1\" L = 6.12 m": the label of a bar of the schedule.
std::string EtiquetaBarra(const BarraDespiece& b);

}  // namespace korvex
