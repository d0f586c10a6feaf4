// Development length of straight deformed bars in tension, as the sets of
// rules state it: ld = psi_t psi_s fy db / (k sqrt(f'c)), not less than a
// minimum. Lengths in cm, f'c and fy in Kgr/cm2.
#pragma once

#include "model/ReglasDiseno.h"

namespace korvex {

// Largest bar diameter, cm, that takes the smaller size factor: 3/4"
// (No. 19, No. 6) with a margin for the rounding of the bar tables.
inline constexpr float kDiametroBarraPequena = 1.905f + 0.005f;
// Factor of a top bar: more than 30 cm of fresh concrete cast below it.
inline constexpr double kFactorBarraSuperior = 1.3;
// sqrt(f'c) a development length may count, Kgr/cm2: 8.3 MPa (100 psi).
inline constexpr double kRaizFcMaximaDesarrollo = 26.5;
// Smallest development length in tension, cm (300 mm, 12 in).
inline constexpr double kDesarrolloMinimo = 30;

// ld = psi_t psi_s fy db / (k sqrt(f'c)) with psi_t of `superior`, psi_s =
// `factorPequena` for bars up to 3/4" and 1 above, k the constant of the
// large bars in the units of the program; never below kDesarrolloMinimo.
LongitudDesarrolloRegla DesarrolloRecto(double fc, double fy, float db, bool superior, double k,
                                        double factorPequena);

}  // namespace korvex
