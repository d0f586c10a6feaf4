// Shear design: one stirrup spacing for the whole beam from the largest
// absolute factored shear. Shears in Kgr, widths, depths and spacings in cm,
// f'c and fy in Kgr/cm2, bar areas in cm2 per leg; every stirrup has two legs.
#pragma once

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Area of one stirrup leg, cm2: 3/8" for "3/8", 1/2" for any other answer.
float AreaEstribo(const std::string& diametro);

// Spacing s, cm, for a steel shear Vs (Kgr) over a web bv x d with stirrups
// of leg area Av: the smaller of the minimum-stirrup spacing and the largest
// spacing of the band of Vs (in the classic rules 2 Av fy / (3.5 bv), and
// d/4 up to 30 cm when Vs > 1.1 sqrt(f'c) bv d, else d/2 up to 60 cm); when
// Vs > 0 also no more than 2 Av fy d / Vs, so that the stirrups carry Vs.
// `paso`, when given, records the band, the limits and the chosen spacing.
float EspaciamientoEstribo(const ReglasDiseno& reglas, float Vs, float Av, double fc, double fy,
                           float bv, float d, PasoCortante* paso = nullptr);

// Shear design of the beam from the CortanteMaxAbs of the analysis, with d
// and the tension steel of `resultado`: the "no stirrups" note, the shear
// failure (the design marked failed, the four steel areas to 0), or the
// stirrup diameter of the options (asked through `ui` when none was chosen,
// recorded in Pasos.cortante.diametro) and EspaciamientoEstribos and
// txtEstribos written ("3/8@15": diameter, "@", spacing truncated to whole cm).
void DisenoCortante(ResultadoDiseno& resultado, const ResultadoAnalisis& analisis, const Seccion& s,
                    const DatosViga& datos, const ReglasDiseno& reglas, Interfaz& ui);

// The message of a shear failure.
Mensaje MensajeFallaCortante();

}  // namespace korvex
