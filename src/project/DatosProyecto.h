// The typed input of a project: the field texts of the project record (as
// the file and the windows keep them) read once into numbers and
// enumerations.
#pragma once

#include "model/DatosViga.h"
#include "project/Proyecto.h"

namespace korvex {

// The beam, supports, loads 1..NumCargas, section, materials and options of
// `p`. Each dimension and strength is its field text read as the number
// reading reads it (an empty or non-numeric text reads 0); f'c is empty when
// its field is. The section dimensions are those of the section type chosen:
// b and h of a rectangle, bf, hf, bw and hw of a T. A load whose type or
// category code is not 1, 2 or 3 (a row marked for removal) is left out.
DatosViga DatosVigaDe(const Proyecto& p);

// The section type key of the project record ("Viga_Rect", "Viga_T",
// "Viga_Ti") as a shape; any other key is SinDefinir.
FormaSeccion FormaDe(const std::string& clave);

}  // namespace korvex
