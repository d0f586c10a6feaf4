// Section and material inputs of the design.
//
// The section is kept both as the four field texts of the section window
// (the design reads some values from them and the project file stores them)
// and as the stored dimensions in cm. Heights are measured up from the bottom
// fibre.
#pragma once

#include <string>

#include "model/DatosViga.h"
#include "model/ReglasDiseno.h"

namespace korvex {

inline constexpr const char* kVigaRect = "Viga_Rect";
inline constexpr const char* kVigaT = "Viga_T";
inline constexpr const char* kVigaTi = "Viga_Ti";

// The name of a section type as the report and the summaries write it:
// "Rectangular", "T", "T Invertida"; "" for another key.
const char* NombreTipoViga(const std::string& clave);

struct Seccion {
    std::string TipoViga;  // "Viga_Rect", "Viga_T", "Viga_Ti" or empty
    // Field texts: b or bf, h or hf, bw, hw (cm).
    std::string txtB, txtH, txtBw, txtHw;
    // Stored dimensions, cm.
    float H = 0, Hf = 0, Bf = 0, Hw = 0, Bw = 0;
    float Ycg = 0;  // cm, centroid height above the bottom fibre

    bool operator==(const Seccion&) const = default;
};

// Material fields of the main window, read through the number reading at
// every use. UsoDeflexion is the deflection-use category 1..4 (0: none chosen).
struct Materiales {
    std::string txtFc = "210";   // f'c, Kgr/cm2
    std::string cboFy = "2800";  // fy, Kgr/cm2
    std::string txtRec = "4";    // cover, cm
    int UsoDeflexion = 1;

    bool operator==(const Materiales&) const = default;
};

// Gross section properties from the four field texts: writes the stored
// dimensions and Ycg into `s` and returns `p` with the area and the inertia
// (and for a rectangle the width b) of the section; the other values are left
// as they are. An unknown type computes nothing and returns `p`.
PropiedadesSeccion Calculos_Geom(Seccion& s, PropiedadesSeccion p);

// Effective depth d, cm: H - cover for a rectangle, Hw + Hf - cover for a T
// or an inverted T; 0 for an unknown section type.
float PeralteSeccion(const Seccion& s, float recubrimiento);

// Largest admissible flange width, cm, of `reglas` (classic: min(LuzViga/4
// in cm, 16 hf + bw) for a T or inverted T, LuzViga/4 in cm otherwise).
float BfMax(const ReglasDiseno& reglas, const Seccion& s, float LuzViga);

}  // namespace korvex
