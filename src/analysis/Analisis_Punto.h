// Analysis of the statically determinate beam at one abscissa.
#pragma once

#include "analysis/AnalizadorViga.h"
#include "model/DatosViga.h"
#include "model/Estado.h"

namespace korvex {

// The unit step H(u) of the singularity functions. H(0) is 1 in load case 1
// (jumps at X included) and 0 in cases 2 and 3.
int Escalon(float u, int combinacion);

// Factored shear and moment just left and right of X (cases 1 and 2), service
// moment, rotation and deflection times inertia (case 3) of the beam of
// `datos` with the section `seccion`. Requires two supports J < K; X is not
// checked against the beam. The factored values are the envelope of the
// strength combinations of `reglas`.
ResultadoPunto AnalizarPunto(const DatosViga& datos, const PropiedadesSeccion& seccion,
                             const ReglasDiseno& reglas, float X);

// The point query of the project state, which holds the input of the point
// query (project/ConsultaPunto.cpp): AnalizarPunto of its beam, supports,
// loads 1..NumCargas (a load whose type or category code is not 1, 2 or 3 is
// left out, as the typed input of a calculation leaves it) and section, its
// results stored as the point values of `e` with XAnalisis = X and
// Combinacion = 3.
void Analisis_Punto(EstadoProyecto& e, const ReglasDiseno& reglas, float X);

// Stores the results of one evaluation as the point values of `e`.
void GuardarPunto(EstadoProyecto& e, const ResultadoPunto& r);

}  // namespace korvex
