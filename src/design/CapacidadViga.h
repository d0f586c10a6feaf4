// What the bars of one face must resist and what they give along the beam:
// the factored moment of the face's sign at every station, phi Mn of a set
// of its bars, and phi Vn with the stirrups present at a station.
//
// Units: moments Tn.m at the stations, Kgr.cm in the section; shears Kgr;
// abscissas m; section lengths cm.
#pragma once

#include <vector>

#include "design/Seccion.h"
#include "model/ArmadoResultado.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// The demand of one face at every station, Tn.m, never negative (index 0
// unused): sagging for the bottom face, hogging for the top face, of the
// factored diagram or, when the design takes it, of the envelope.
std::vector<float> DemandaCara(const ResultadoAnalisis& a, bool inferior);

// The section one face's bars work in: its compression zone (of the flexural
// design of the face's sign), the total height and the compression bars of
// the arrangement, which run from end to end.
struct SeccionCara {
    const ArmadoCara* armado = nullptr;
    const PasoFlexion* paso = nullptr;
    double h = 0;           // cm
    double fc = 0, fy = 0;  // Kgr/cm2
};

// phi Mn, Kgr.cm, of the tension bars `g` of the face (their own centroid
// and depth), with `fraccionArea` of their area (1: all of it).
double PhiMnBarras(const SeccionCara& s, const std::vector<GrupoBarras>& g,
                   const ReglasDiseno& reglas, double fraccionArea = 1);

// The station nearest abscissa x (m), 1..NumEstaciones (0 without stations).
int EstacionDe(const ResultadoAnalisis& a, double x);

// phi Vn = phi (Vc + Vs), Kgr, at abscissa x: Vc of the shear step, Vs of
// the two legs of the stirrups of the zone there (none outside the zones).
double PhiVnEn(const ResultadoDiseno& r, const ReglasDiseno& reglas, double x);

}  // namespace korvex
