// The design run: flexure, shear, bar table, effective inertias, effective
// deflection and the deflection check, in that order.
#pragma once

#include <vector>

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/Estado.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"

namespace korvex {

// Runs the whole design from the sampled diagrams in `e`. Requires
// Recubrimiento, PeralteEfectivo and ModuloElasticidad set and the four steel
// areas cleared by the caller. Every factor, limit and formula of a rule is
// that of `reglas`. Results go to `e`; messages and the stirrup question go
// through `ui`.
void DisenarViga(EstadoProyecto& e, const Seccion& s, const DatosViga& datos,
                 const ReglasDiseno& reglas, Interfaz& ui);

// Admissible deflection, m, of a use category (classic rules 1: L/180,
// 2: L/360, 3: L/480, 4: L/240), rounded to 3 decimals as the label shows it;
// 0 for no category.
float DeflexionAdmisible(const ReglasDiseno& reglas, float LuzViga, int uso);

// Checks the section and material before a calculation: f'c, fy, cover and d
// positive, the dimensions of the section type non-zero, a known type.
// Returns the refusals (style 16); empty when the design can run.
std::vector<Mensaje> VerificarDiseno(const EstadoProyecto& e, const Seccion& s,
                                     const DatosViga& datos);

}  // namespace korvex
