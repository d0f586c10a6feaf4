// Deflection of the cracked beam and its check against the limit of the use
// category.
//
// The analysis gives FlechaMax as the service deflection times the gross
// inertia (m5); dividing by an effective inertia (m4) gives the deflection in
// m. Section quantities are in cm and Kgr, service moments in Tn.m.
#pragma once

#include <vector>

#include "design/Seccion.h"
#include "model/DatosViga.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Cracked and effective inertia of one critical section.
struct InerciaSeccionFisurada {
    float kd = 0;   // cm, neutral-axis depth from the compression face
    float Icr = 0;  // cm4, cracked transformed inertia
    float Mcr = 0;  // Kgr.cm, cracking moment 2 sqrt(f'c) Ig / yt
    double Ie = 0;  // cm4, effective inertia, never above Ig
};

// The section of the positive moment (positivo = true) or of the negative
// moment under the service moment Ma (Tn.m, > 0), with the steel of that
// section (the steel, d and the cover of `resultado`; the gross inertia of
// `propiedades`). Uses the flanged form when the flange is in compression (and
// for a rectangle), the web form otherwise.
// `paso`, when given, records every quantity of the section.
// The modulus of rupture and Ie are those of `reglas`.
InerciaSeccionFisurada InerciaEfectiva(const ResultadoDiseno& resultado, const Seccion& s,
                                       const DatosViga& datos,
                                       const PropiedadesSeccion& propiedades,
                                       const ReglasDiseno& reglas, bool positivo, float Ma,
                                       PasoInercia* paso = nullptr);

// InerciaEfectivaPos and InerciaEfectivaNeg (m4) of `r` from the largest
// service moments of each sign of the analysis (of the envelope of the
// live-load arrangements when it is designed for); a sign without service
// moment leaves its value at 0.
void InerciasEfectivas(ResultadoDiseno& r, const ResultadoAnalisis& analisis, const Seccion& s,
                       const DatosViga& datos, const PropiedadesSeccion& propiedades,
                       const ReglasDiseno& reglas);

// The zones of the beam that exist (J and K the first and the last support,
// L the length), in the order left cantilever (when J > 0), span, right
// cantilever (when K < L), each with its length, its
// reference length for the limit (the span K - J; a cantilever's as the
// rules count it: twice its length in the classic rules) and its largest |deflection
// x Ig| (m5) and where it occurs: of the all-loaded diagram, or of the
// envelope of the live-load arrangements when it is designed for. A station
// belongs to the zone that holds it (x < J left, x > K right, else the span).
std::vector<PasoZonaDeflexion> ZonasDeflexion(const ResultadoAnalisis& analisis,
                                              const DatosViga& datos, const ReglasDiseno& reglas);

// The deflection of each zone (m): its FlechaMax divided by the effective
// inertia of `r` of each sign with factored moment, the larger of the two (a
// sign whose effective inertia was not computed contributes 0). FlechaEfectiva
// is the largest over the zones until the limit check names the governing one.
void CalcularFlechaEfectiva(ResultadoDiseno& r, const ResultadoAnalisis& analisis,
                            const DatosViga& datos, const ReglasDiseno& reglas);

// For rules with a permanent combination (ACI 318-19, Table 24.2.2) in
// place of CalcularFlechaEfectiva: each zone of ZonasDeflexion judged load by
// load at its section (mid-span of the span, the support of a cantilever,
// 24.2.3.7), whose sign is that of the service moment there: the moment Ma,
// the effective inertia Ie (24.2.3.5) and the deflection |deflection x Ig|max
// / Ie of the sustained load D, of the service load D + L (the envelope of the
// live-load arrangements when it is designed for) and of D + p L, p =
// vivaSostenida / 100; Delta_L = Delta_D+L - Delta_D; rho' = A's / (b d) of
// that section and lambda_Delta. FlechaEfectiva of a zone is its Delta_D+L and
// the governing zone until the check is the one with the largest. Returns
// false, doing nothing, for rules without a permanent combination or an
// analysis without its sampled diagrams.
bool FlechaPorCargas(ResultadoDiseno& r, const ResultadoAnalisis& analisis, const Seccion& s,
                     const DatosViga& datos, const PropiedadesSeccion& propiedades,
                     const ReglasDiseno& reglas);

// The deflection a zone judged load by load compares with its limit:
// Delta_L, or lambda_Delta Delta_sost + Delta_L for the long-term uses.
float FlechaComparadaPorCargas(const PasoZonaDeflexion& z, bool largoPlazo);

// The width b (cm) of rho' = A's / (b d) of the positive or negative
// section: the flange bf of a T (or inverted T) whose compression face is the
// flange and whose flexure worked as a rectangle of width bf, else the web
// (b of a rectangle).
float AnchoCompresion(const ResultadoDiseno& r, const Seccion& s, const DatosViga& datos,
                      bool positivo);

// The scalar values of the record become those of its governing zone.
void GuardarGobernante(PasoDeflexion& x);

// The zone's name as the reports and the JSON write it: "voladizo
// izquierdo", "tramo", "voladizo derecho".
const char* NombreZona(int zona);

// Modular ratio n = Es / Ec with the Ec of `reglas` (f'c in Kgr/cm2).
float RelacionModular(const ReglasDiseno& reglas, double fc);

// Long-term factor lambda of `reglas` for rho' = A's / (d b).
float FactorLargoPlazo(const ReglasDiseno& reglas, float Asc, float d, float b);

// Compares the deflection of each zone (lambda times it for uses 3 and 4)
// with the limit of datos.opciones.usoDeflexion over the zone's reference length
// (classic rules 1: /180, 2: /360, 3: /480, 4: /240) and shows one warning naming the
// zones beyond it. For 3 and 4 it first takes rho' from the section with more
// compression steel (the negative one on a tie), records its width b (cm) in
// the step and lambda in LambdaDeflexion; otherwise LambdaDeflexion = 1.
// The governing zone is the one with the largest ratio of deflection to
// limit; FlechaEfectiva becomes its deflection.
void Check_base_Deflex(ResultadoDiseno& r, const Seccion& s, const DatosViga& datos,
                       const ReglasDiseno& reglas, Interfaz& ui);

// The deflection the limit check compares, m: lambda FlechaEfectiva for the
// long-term categories 3 and 4 (lambda as the check left it), FlechaEfectiva
// for the others; the governing zone's compared value when it was judged load
// by load. The plot, the report and the headless command show it.
float FlechaLargoPlazo(const ReglasDiseno& reglas, const ResultadoDiseno& r, int uso);

// Admissible deflection, m, of use category `uso` over the reference length
// `luz` (m), rounded to 3 decimals as the label shows it; 0 for no category.
float DeflexionAdmisible(const ReglasDiseno& reglas, float luz, int uso);

// The admissible deflection shown for a design: over the governing zone's
// reference length, or the beam's length `LuzViga` (m) when the check has
// not run.
float DeflexionAdmisibleGobernante(const ReglasDiseno& reglas, const ResultadoDiseno& r,
                                   float LuzViga, int uso);

// The governing zone of the last check, or nullptr when it has not run.
const PasoZonaDeflexion* ZonaGobernante(const ResultadoDiseno& r);

// The governing zone when the beam has cantilevers, which the window and the
// report name; nullptr for a beam without them (its span is the beam).
const PasoZonaDeflexion* ZonaNombrada(const ResultadoDiseno& r);

// The warning of a deflection beyond the limit: the beam's ("El elemento
// sobrepasa ...") for a beam without cantilevers, otherwise naming the zones
// beyond their limits.
Mensaje MensajeDeflexion();
Mensaje MensajeDeflexion(const std::vector<PasoZonaDeflexion>& zonas);

}  // namespace korvex
