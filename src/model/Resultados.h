// What a calculation returns: the analysis of the beam (sampled diagrams,
// their extremes, the envelope of the live-load arrangements, the reactions)
// and the design of its section (steel, stirrups, bars, inertias, the
// deflection check and the record of every step).
//
// Units and signs as in model/Estado.h: lengths along the beam in m, forces
// in Tn, moments in Tn.m, section dimensions in cm, areas in cm2, inertias in
// m4. The "analysis sign" has a sagging moment negative; the "displayed sign"
// is its opposite. Each member says which one it carries.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/ArmadoResultado.h"
#include "model/DespieceResultado.h"
#include "model/Pasos.h"

namespace korvex {

// Abscissas (m) at which each extreme was first reached by the sampling.
struct PosicionExtremos {
    float CortanteMaxAbs = 0, CortanteMax = 0, CortanteMin = 0;
    float MomentoPosMax = 0, MomentoNegMax = 0, MomentoMaxAbs = 0;
    float GiroMax = 0, FlechaMax = 0;

    bool operator==(const PosicionExtremos&) const = default;
};

// One extreme of the envelope: its value (displayed sign, like the eight
// extremes of the analysis), where it occurs and the arrangement that gives it.
struct ExtremoEnvolvente {
    float valor = 0;
    float x = 0;         // m
    ZonasVivas vivas{};  // a zone that does not exist, or has no live load, is false
    // The strength combination that gives a factored extreme (V, M) when the
    // rules have more than one; -1 otherwise.
    int combinacion = -1;

    bool operator==(const ExtremoEnvolvente&) const = default;
};

// The eight extremes of the diagrams over every arrangement.
struct ExtremosEnvolvente {
    ExtremoEnvolvente CortanteMaxAbs, CortanteMax, CortanteMin;
    ExtremoEnvolvente MomentoPosMax, MomentoNegMax, MomentoMaxAbs;
    ExtremoEnvolvente GiroMax, FlechaMax;

    bool operator==(const ExtremosEnvolvente&) const = default;
};

// The envelope of every arrangement, station by station (same indexing as
// the diagrams: index 0 unused, stations 1..NumEstaciones), each series in
// the sign of its diagram.
struct EnvolventeViva {
    bool calculada = false;
    int arreglos = 0;                // arrangements evaluated, at most 8
    std::vector<float> CortanteMax;  // Tn, largest factored shear, displayed sign
    std::vector<float> CortanteMin;  // Tn, smallest factored shear, displayed sign
    std::vector<float> MomentoMax;   // Tn.m, largest factored moment, analysis sign
    std::vector<float> MomentoMin;   // Tn.m, smallest factored moment, analysis sign
    std::vector<float> ServicioMax;  // Tn.m, largest service moment, displayed sign
    std::vector<float> ServicioMin;  // Tn.m, smallest service moment, displayed sign
    std::vector<float> GiroMax;      // rad, largest rotation
    std::vector<float> GiroMin;      // rad, smallest rotation
    std::vector<float> FlechaMax;    // m5, largest Flecha
    std::vector<float> FlechaMin;    // m5, smallest Flecha
    ExtremosEnvolvente Extremos;
    // An arrangement under which the factored moment hogs over the whole
    // span (no sagging moment between the supports, some hogging): the top
    // steel must then run over the whole span. `vivasTramoNegativo` is that
    // arrangement (the all-loaded one when it qualifies).
    bool tramoNegativo = false;
    ZonasVivas vivasTramoNegativo{};

    bool operator==(const EnvolventeViva&) const = default;
};

// The strength combination that governs each design extreme at its station:
// its index in the rules' CombinacionesResistencia, -1 when the rules have a
// single combination (nothing to choose) or the extreme was not recorded.
struct CombinacionesExtremos {
    int CortanteMaxAbs = -1, MomentoPosMax = -1, MomentoNegMax = -1;

    bool operator==(const CombinacionesExtremos&) const = default;
};

// The analysis of the beam sampled every centimetre.
struct ResultadoAnalisis {
    // Diagrams: index 0 never written, stations at 1..NumEstaciones.
    int NumEstaciones = 0;
    std::vector<float> DiagCortante;         // Tn, factored shear, displayed sign
    std::vector<float> DiagMomento;          // Tn.m, factored moment, analysis sign
    std::vector<float> DiagGiro;             // rad, service rotation
    std::vector<float> DiagFlecha;           // m5, service deflection times inertia
    std::vector<float> DiagMomentoServicio;  // Tn.m, service moment, displayed sign
    std::vector<float> DiagX;                // m, abscissa of each station (same indexing)
    // The sustained load of rules that judge it apart
    // (ReglasDiseno::CombinacionPermanente), every load on the beam, same
    // stations; empty for rules without it.
    std::vector<float> DiagMomentoPermanente;  // Tn.m, service moment, displayed sign
    std::vector<float> DiagFlechaPermanente;   // m5, deflection times inertia
    float CortanteMaxAbs = 0;                // Tn, largest |shear|
    float CortanteMax = 0;                   // Tn, largest shear, displayed sign, >= 0
    float CortanteMin = 0;                   // Tn, smallest shear, displayed sign, <= 0
    float MomentoPosMax = 0;                 // Tn.m, largest sagging moment, displayed sign, >= 0
    float MomentoNegMax = 0;                 // Tn.m, largest hogging moment, displayed sign, <= 0
    float MomentoMaxAbs = 0;                 // Tn.m, largest |moment|
    float GiroMax = 0;                       // rad, largest |rotation|
    float FlechaMax = 0;                     // m5, largest |Flecha|
    PosicionExtremos Posiciones;
    CombinacionesExtremos Gobierna;  // the combination of V and M at the design extremes

    // Live-load arrangements. The envelope is always computed; with the
    // option on (`UsaEnvolvente`) the eight extremes above and the service
    // moments of the design are those of the envelope; with it off
    // AvisoAlternancia names the values that an arrangement makes worse than
    // the design's.
    bool UsaEnvolvente = false;
    EnvolventeViva Envolvente;
    std::string AvisoAlternancia;  // empty when there is nothing to say

    // The reactions of the supports under every load and the self weight,
    // with their extremes over the live-load arrangements.
    PasoReacciones Reacciones;

    bool operator==(const ResultadoAnalisis&) const = default;
};

// One zone of stirrups along the beam: from `desde` to `hasta` (m), `cantidad`
// stirrups at `separacion` (whole cm). The zones follow one another from the
// left end of the beam to the right end without gap or overlap.
struct ZonaEstribos {
    float desde = 0, hasta = 0;  // m
    int cantidad = 0;
    int separacion = 0;  // cm

    bool operator==(const ZonaEstribos&) const = default;
};

// The design of the section from the analysis.
struct ResultadoDiseno {
    float Recubrimiento = 0;          // cm, cover to the centroid of the tension steel
    float PeralteEfectivo = 0;        // cm, effective depth d
    float FlechaEfectiva = 0;         // m, deflection with the effective inertia
    double InerciaEfectivaPos = 0;    // m4
    double InerciaEfectivaNeg = 0;    // m4
    float EspaciamientoEstribos = 0;  // cm, stirrup spacing before truncation
    bool DisenoFallido = false;       // the design stopped (section insufficient, shear failure)
    float AsVarillas = 0;             // cm2, area being distributed in bars
    float AsTraccionNeg = 0, AsCompresionNeg = 0;  // cm2
    float AsTraccionPos = 0, AsCompresionPos = 0;  // cm2
    std::string txtEstribos;                       // stirrup text, e.g. "3/8@15"; empty when none
    // Bar counts: rows 1", 3/4", 1/2", 3/8"; columns M(+) Tracción, M(-) Tracción,
    // M(+) Compresión, M(-) Compresión.
    std::array<std::array<int, 4>, 4> Varillas{};
    float LambdaDeflexion = 1;  // long-term factor used by the deflection check (1 = none)
    // Stirrup zones from the shear along the beam; empty when the beam needs
    // no stirrups or the design failed.
    std::vector<ZonaEstribos> ZonasEstribos;

    // The bars of each face that needs steel (bottom first), with their checks.
    std::vector<ArmadoCara> Armado;
    // Where each bar starts and stops, the stirrups and phi Mn along the beam;
    // empty when a face has no accepted arrangement or the design failed.
    DespieceViga Despiece;

    // The steps of the calculation, as the analysis and the design computed them.
    PasosCalculo Pasos;

    bool operator==(const ResultadoDiseno&) const = default;
};

}  // namespace korvex
