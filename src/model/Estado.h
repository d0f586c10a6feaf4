// Project state of one beam: geometry, supports, load table, section and
// material values, results of the analysis at a point, the sampled diagrams
// with their extremes and the design results.
//
// Units: lengths along the beam in m (x = 0 at the left end), forces in Tn,
// distributed loads in Tn/m, moments in Tn.m, section dimensions, cover and
// effective depth in cm, areas in cm2, InerciaSeccion in m4, the concrete
// modulus in Tn/m2, steel areas in cm2.
//
// Signs: the "analysis sign" is shear = loads minus reactions to the left of
// the section and moment = moments of the loads to the left minus those of the
// reactions (a sagging moment is negative). The "displayed sign" is its
// opposite. Each member says which one it carries.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Pasos.h"

namespace korvex {

// Load type and category codes, stored as Single values 1, 2, 3.
inline constexpr float kPuntual = 1.0f;
inline constexpr float kDistribuida = 2.0f;
inline constexpr float kMomento = 3.0f;
inline constexpr float kViva = 1.0f;
inline constexpr float kMuerta = 2.0f;
inline constexpr float kOtros = 3.0f;

// The words of the codes, as the load table, its tool tips and the report
// write them: "Puntual", "Distribuida", "Momento"; "Viva", "Muerta",
// "Otros"; "" for any other value.
const char* PalabraTipoCarga(float tipo);
const char* PalabraCategoria(float categoria);

// Largest number of loads of the table (a 16-bit signed count).
inline constexpr int kMaxCargas = 32767;

// One row of the load table.
struct Carga {
    float A = 0;          // m, start position a (point load, moment, start of a distributed load)
    float B = 0;          // m, loaded length b of a distributed load; 0 otherwise
    float C = 0;          // m, LuzViga - a - b at the moment the load was added
    float P1 = 0;         // Tn, Tn/m or Tn.m: force, intensity at a, or applied moment
    float P2 = 0;         // Tn/m, intensity at e = a + b; 0 for the other types
    float Fin = 0;        // m, end position e = A + B
    float Tipo = 0;       // 1 Puntual, 2 Distribuida, 3 Momento
    float Categoria = 0;  // 1 Viva, 2 Muerta, 3 Otros

    bool operator==(const Carga&) const = default;
};

// Abscissas (m) at which each extreme was first reached by the sampling.
struct PosicionExtremos {
    float CortanteMaxAbs = 0, CortanteMax = 0, CortanteMin = 0;
    float MomentoPosMax = 0, MomentoNegMax = 0, MomentoMaxAbs = 0;
    float GiroMax = 0, FlechaMax = 0;

    bool operator==(const PosicionExtremos&) const = default;
};

// One extreme of the envelope: its value (displayed sign, like the eight
// extremes below), where it occurs and the arrangement that gives it.
struct ExtremoEnvolvente {
    float valor = 0;
    float x = 0;         // m
    ZonasVivas vivas{};  // a zone that does not exist, or has no live load, is false

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

struct EstadoProyecto {
    // 1. Beam and supports.
    float LuzViga = 0;      // m, total length, truncated to whole centimetres
    float DistJ = 0;        // m, first support
    float DistK = 0;        // m, second support
    int VueloGuardado = 0;  // 1 = beam with cantilevers, saved when the load window closes

    // 2. Load table. Cargas[0] holds no load; loads occupy 1..NumCargas.
    int NumCargas = 0;
    std::vector<Carga> Cargas = std::vector<Carga>(1);

    // 3. Section and material.
    float AreaSeccion = 0;        // cm2, gross area
    float InerciaSeccion = 0;     // m4, gross inertia about the centroidal axis
    float AnchoRectangulo = 0;    // cm, width b of a rectangular section as its geometry read it
    float Recubrimiento = 0;      // cm, cover to the centroid of the tension steel
    float PeralteEfectivo = 0;    // cm, effective depth d
    float ModuloElasticidad = 0;  // Tn/m2, Ec = 15100 * sqrt(f'c) * 10

    // 4. Analysis at a point (analysis sign).
    float XAnalisis = 0;        // m
    int Combinacion = 0;        // load case being evaluated, 1..3
    float CortanteDer = 0;      // Tn, factored, just right of X (jump at X included)
    float MomentoDer = 0;       // Tn.m, factored, just right of X
    float CortanteIzq = 0;      // Tn, factored, just left of X (jump at X excluded)
    float MomentoIzq = 0;       // Tn.m, factored, just left of X
    float Giro = 0;             // rad, service rotation (positive clockwise)
    float Flecha = 0;           // m5, service deflection times the moment of inertia
    float MomentoServicio = 0;  // Tn.m, service moment

    // 5. Diagrams: index 0 never written, stations at 1..NumEstaciones.
    int NumEstaciones = 0;
    std::vector<float> DiagCortante;         // Tn, factored shear, displayed sign
    std::vector<float> DiagMomento;          // Tn.m, factored moment, analysis sign
    std::vector<float> DiagGiro;             // rad, service rotation
    std::vector<float> DiagFlecha;           // m5, service deflection times inertia
    std::vector<float> DiagMomentoServicio;  // Tn.m, service moment, displayed sign
    std::vector<float> DiagX;                // m, abscissa of each station (same indexing)
    float CortanteMaxAbs = 0;                // Tn, largest |shear|
    float CortanteMax = 0;                   // Tn, largest shear, displayed sign, >= 0
    float CortanteMin = 0;                   // Tn, smallest shear, displayed sign, <= 0
    float MomentoPosMax = 0;                 // Tn.m, largest sagging moment, displayed sign, >= 0
    float MomentoNegMax = 0;                 // Tn.m, largest hogging moment, displayed sign, <= 0
    float MomentoMaxAbs = 0;                 // Tn.m, largest |moment|
    float GiroMax = 0;                       // rad, largest |rotation|
    float FlechaMax = 0;                     // m5, largest |Flecha|
    PosicionExtremos Posiciones;

    // 6. Design results.
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

    // 7. Live-load arrangements. With the option on, the eight extremes above
    // and the service moments of the design are those of the envelope;
    // with it off the envelope is still computed, and AvisoAlternancia names
    // the values that an arrangement makes worse than the design's.
    bool AlternanciaViva = false;
    EnvolventeViva Envolvente;
    std::string AvisoAlternancia;  // empty when there is nothing to say

    // 8. The steps of the last calculation, as the design computed them.
    PasosCalculo Pasos;

    bool operator==(const EstadoProyecto&) const = default;
};

// Load-window reset: clears the table, the beam and the six shear and moment
// extremes; GiroMax and FlechaMax are kept.
void ReiniciarCargas(EstadoProyecto& e);

// Main-window reset: clears the table, the beam, the six shear and moment
// extremes, the four steel areas and the arrangements option.
void ReiniciarGeneral(EstadoProyecto& e);

// Start of a calculation: every extreme, FlechaEfectiva, the four point
// values, the two effective inertias and the four steel areas to 0; the
// envelope and its notice cleared.
void IniciarCalculo(EstadoProyecto& e);

// Appends a load as row NumCargas + 1. Returns false (and changes nothing)
// when the table already holds kMaxCargas loads; `mensaje` then receives the
// Spanish text to show.
bool AgregarCarga(EstadoProyecto& e, const Carga& c, std::string* mensaje = nullptr);

// Removes the loads whose Tipo is 0, keeping the order of the others.
void CompactarCargas(EstadoProyecto& e);

}  // namespace korvex
