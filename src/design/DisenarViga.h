// The design run: flexure, shear, bar table, effective inertias, effective
// deflection and the deflection check, in that order.
#pragma once

#include <vector>

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// The whole design of the section `s` from the analysis: the cover of the
// input, the effective depth of the section, the steel, the stirrups, the
// bars, the effective inertias and the deflection check. Every factor, limit
// and formula of a rule is that of `reglas`. Messages and the stirrup
// question go through `ui`. The steps of the result hold the design's own
// records; the reactions and the messages are left to the caller's record.
ResultadoDiseno DisenarViga(const DatosViga& datos, const Seccion& s,
                            const PropiedadesSeccion& propiedades,
                            const ResultadoAnalisis& analisis, const ReglasDiseno& reglas,
                            Interfaz& ui);

// Admissible deflection, m, of a use category (classic rules 1: L/180,
// 2: L/360, 3: L/480, 4: L/240), rounded to 3 decimals as the label shows it;
// 0 for no category.
float DeflexionAdmisible(const ReglasDiseno& reglas, float LuzViga, int uso);

// Checks the section and material before a calculation: f'c, fy, cover and d
// positive, the dimensions of the section type non-zero, a known type.
// Returns the refusals (style 16); empty when the design can run.
std::vector<Mensaje> VerificarDiseno(const DatosViga& datos, const Seccion& s,
                                     const PropiedadesSeccion& propiedades);

}  // namespace korvex
