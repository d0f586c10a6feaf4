// The options of the bars as the windows take them from their fields (the
// project's clear cover, the count of the user's bars of one face) and the
// line that states the arrangement of one face of a result. The windows
// show these texts; every reading and every number is worked out here.
#pragma once

#include <string>
#include <vector>

#include "model/ArmadoResultado.h"
#include "project/Proyecto.h"

namespace korvex {

// Reads the clear cover `texto` (cm, face to the stirrups) typed for the
// project `p`: a number of 0 or more, smaller than half the width the bars
// sit in (b of a rectangle, bw of a T or an inverted T) once a section is
// defined, so that some width is left between the stirrups. Returns the
// refusal, naming the field, or "" with the value in `valor`.
std::string LeerRecubrimientoLibre(const std::string& texto, const Proyecto& p, float& valor);

// Reads the count of the user's bars of a face (`inferior`: the bottom one):
// a whole number from 2 to 100. Returns the refusal, or "" with the count in
// `cantidad`.
std::string LeerCantidadBarras(const std::string& texto, bool inferior, int& cantidad);

// The line of the bar window for the face of `a`: "Cara inferior: 3 Ø 1\" +
// 3 Ø 1\" (2 capas), d real = 41.26 cm, φMn = 24.75 ≥ Mu = 23.51 Tn·m,
// cumple", followed by the notice of a refused arrangement; the bars the
// user gave are said so.
std::string TextoArmado(const ArmadoCara& a);

// The line of face `inferior` of the arrangements `caras` of a result: that
// of TextoArmado, or the reason there is none (the face needs no tension
// steel, or the design did not finish: `fallido`).
std::string TextoCara(const std::vector<ArmadoCara>& caras, bool inferior, bool fallido);

}  // namespace korvex
