// Sampling of the analysis along the beam every centimetre.
#pragma once

#include <string>
#include <vector>

#include "model/DatosViga.h"
#include "model/Estado.h"
#include "model/Etapas.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Longest beam accepted by a calculation, m (a 16-bit station count).
inline constexpr float kLuzMaxima = 327.67f;

// The analysis of the beam of `datos` (length, two supports, loads, the
// arrangements option) with the section `seccion`, a function of these
// alone: the five station arrays (and DiagX) and NumEstaciones, the eight
// extremes and their abscissas, the reactions and their extremes over the
// arrangements, and the envelope of the live-load arrangements (see
// analysis/Alternancia.h). With `datos.opciones.alternancia` UsaEnvolvente is
// set and the eight extremes and their abscissas are those of the envelope;
// without it AvisoAlternancia says when an arrangement makes |M(+)|, |M(-)|
// or the largest |V| worse than the all-loaded value by more than 2 % plus
// 0.01 (Tn or Tn.m). The factored values are the envelope of the strength
// combinations of `reglas`: at each station the shear and the moment of the
// combination of the largest magnitude of the whole beam (the first on a
// tie), every part taken from that combination. `progreso`, when given,
// receives the stages CuartoDeViga, MitadDeViga and TresCuartosDeViga as the
// sampling passes a quarter, a half and three quarters of the beam, each once
// as it is reached. Requires what VerificarViga checks.
ResultadoAnalisis AnalizarViga(const DatosViga& datos, const PropiedadesSeccion& seccion,
                               const ReglasDiseno& reglas, const Progreso& progreso = {});

// Checks the beam and its loads before a calculation: supports 0 <= J < K <= L,
// L > 0 and not beyond kLuzMaxima, every load inside the beam, no distributed
// load with b <= 0 and P1 != P2, finite numbers. Returns the refusals
// (style 16); empty when the analysis can run.
std::vector<Mensaje> VerificarViga(const EstadoProyecto& e);

}  // namespace korvex
