// The bars chosen (or given by the user) for each face of the beam that
// needs steel, and their checks: fit in the width, the effective depth they
// really give, the design strength phi Mn with that depth against Mu, and the
// crack control of their spacing.
//
// Units: section lengths in cm, areas in cm2, moments in Kgr.cm (the design's
// unit; the headless output converts to Tn.m).
#pragma once

#include <string>
#include <vector>

#include "model/ReglasDiseno.h"

namespace korvex {

// Bars of one diameter in one layer. `diametro` is the row of the program's
// bar table: 0 1", 1 3/4", 2 1/2", 3 3/8".
struct GrupoBarras {
    int cantidad = 0;
    int diametro = 0;
    int capa = 1;  // 1 nearest the face, 2 the layer above it

    bool operator==(const GrupoBarras&) const = default;
};

enum class EstadoArmado {
    Aceptado,      // the bars fit and phi Mn >= Mu with the real d
    SinArreglo,    // no arrangement of the bar table fits and resists
    NoCabe,        // the user's bars do not fit in two layers
    Insuficiente,  // the user's bars fit but do not resist (or fail the crack control)
    Invalido,      // the user's bars are not a diameter of the table or fewer than 2
};

struct ArmadoCara {
    bool inferior = true;  // bottom face (M(+) in tension) or top face (M(-))
    bool usuario = false;  // the user's bars rather than the program's choice
    EstadoArmado estado = EstadoArmado::SinArreglo;
    std::string aviso;  // what went wrong, in words; empty when accepted

    std::vector<GrupoBarras> barras;      // tension bars, layer 1 first
    std::vector<GrupoBarras> compresion;  // bars of the opposite face counted as A's

    float ancho = 0;             // cm, width the bars sit in (b, or bw of a T)
    float libreLateral = 0;      // cm, clear cover + stirrup diameter
    float separacionMinima = 0;  // cm, clear spacing required between bars
    float separacionLibre = 0;   // cm, clear spacing of layer 1 as spread
    float separacion = 0;        // cm, centre-to-centre spacing of layer 1

    float dSupuesto = 0;                    // cm, the depth the design assumed (h - cover)
    float dReal = 0;                        // cm, from the centroid of the bars
    float dt = 0;                           // cm, to the bars nearest the tension face
    float dpReal = 0;                       // cm, to the centroid of the compression bars (0: none)
    float AsSupuesto = 0;                   // cm2, the design's As with dSupuesto
    float AsReal = 0;                       // cm2, As designed again with dReal (when smaller)
    float AscRequerido = 0;                 // cm2, A's of the design with the d that governs
    float AsProvisto = 0, AscProvisto = 0;  // cm2

    double Mu = 0;     // Kgr.cm
    double phiMn = 0;  // Kgr.cm, of the bars with the real d
    float phi = 0;
    float epsT = 0;  // net tensile strain at dt

    LimiteFisuracion fisuracion;    // limit of the rules for this face's cover
    bool fisuracionCumple = false;  // separacion <= fisuracion.sMax
    bool cumple = false;            // fits and phi Mn >= Mu with the real d

    bool operator==(const ArmadoCara&) const = default;
};

}  // namespace korvex
