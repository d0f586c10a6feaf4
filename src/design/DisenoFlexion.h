// Flexural design by the strength method: tension steel and, where the
// concrete alone cannot take the moment, compression steel, cm2, for the
// largest positive and negative factored moments.
//
// Units: moments Mu in Kgr.cm, widths and depths in cm, f'c and fy in
// Kgr/cm2, areas in cm2. d is the effective depth, d' the depth of the
// compression steel (the cover). Intermediate results are held in Single;
// f'c and fy come in as Double.
#pragma once

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Data shared by every design of one beam.
struct DatosFlexion {
    double fc = 0;  // Kgr/cm2
    double fy = 0;  // Kgr/cm2
    float d = 0;    // cm, effective depth
    float dp = 0;   // cm, depth of the compression steel d'
};

struct ResultadoFlexion {
    bool suficiente = true;  // false: the section cannot take the moment
    float As = 0;            // cm2, tension steel
    float Asc = 0;           // cm2, compression steel A's
};

// Largest Rn of a singly reinforced section: 0.85 qmax (1 - qmax/2), with
// qmax = beta1 k, k = eps_cu / (eps_cu + eps_s,lim) (the block intensity,
// beta1, eps_cu and eps_s,lim of `reglas`).
float RnMaximo(const ReglasDiseno& reglas, double fc, double fy);

// Minimum steel with its relief: a required As below Asmin becomes the
// smaller of the relief (4/3 As in the classic rules) and Asmin (so a zero As
// stays 0).
float AplicarAceroMinimo(const ReglasDiseno& reglas, float As, float Asmin);

// Balanced steel ratio 0.85 beta1 (f'c/fy) eps_cu/(eps_cu + fy/Es) and the
// largest ratio of a singly reinforced section 0.85 qmax f'c/fy.
float CuantiaBalanceada(const ReglasDiseno& reglas, double fc, double fy);
float CuantiaMaxima(const ReglasDiseno& reglas, double fc, double fy);

// Rectangular compression zone of width bd: singly or doubly reinforced,
// then the minimum steel. Not sufficient when Rn exceeds the rules' limit,
// and when the compression steel would be needed but cannot work:
// f's <= 0.85 f'c or d - d' <= 0. `paso`, when given, records every quantity
// computed.
ResultadoFlexion FlexionRectangular(const ReglasDiseno& reglas, float Mu, float bd,
                                    const DatosFlexion& p, float Asmin,
                                    PasoFlexion* paso = nullptr);

// T behaviour (flange bf x hf in compression, web bw, stress block below the
// flange): overhang steel Asf, web steel, trial capacity, compression steel
// when the trial capacity falls short, then the minimum steel.
ResultadoFlexion FlexionT(const ReglasDiseno& reglas, float Mu, float bf, float bw, float hf,
                          const DatosFlexion& p, float Asmin, PasoFlexion* paso = nullptr);

// Flexural design of the beam for the largest moments of the analysis, in the
// order of the section type (the sign whose compression face is the web
// first), with the cover and d of `resultado`. Writes the four steel areas
// into `resultado` and records each sign's behaviour in its step. On an insufficient section
// shows the failure message, marks the design failed and returns false at once.
bool DisenoFlexion(ResultadoDiseno& resultado, const ResultadoAnalisis& analisis, const Seccion& s,
                   const DatosViga& datos, const PropiedadesSeccion& propiedades,
                   const ReglasDiseno& reglas, Interfaz& ui);

// The design of one sign (positivo: the bottom face in tension) for Mu
// (Kgr.cm) with the depths of `p`, by the same procedure DisenoFlexion
// follows for that sign; `x` receives the record. Shows nothing.
ResultadoFlexion DisenoFlexionSigno(bool positivo, float Mu, const DatosFlexion& p,
                                    const Seccion& s, const PropiedadesSeccion& propiedades,
                                    const ReglasDiseno& reglas, PasoFlexion& x);

// The failure message of an insufficient section.
Mensaje MensajeSeccionInsuficiente();

}  // namespace korvex
