// Project state of one beam as the windows and the project file hold it:
// geometry, supports, the load table, the gross section values and the
// values of the analysis at a point. The results of a calculation are not
// here: a calculation returns them (model/Resultados.h).
//
// Units: lengths along the beam in m (x = 0 at the left end), forces in Tn,
// distributed loads in Tn/m, moments in Tn.m, section dimensions and
// effective depth in cm, areas in cm2, InerciaSeccion in m4, the concrete
// modulus in Tn/m2.
//
// Signs: the "analysis sign" is shear = loads minus reactions to the left of
// the section and moment = moments of the loads to the left minus those of the
// reactions (a sagging moment is negative). The "displayed sign" is its
// opposite. Each member says which one it carries.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/DatosViga.h"
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

// cm, the clear cover of a project that does not give one.
inline constexpr float kRecubrimientoLibre = 4.0f;
// The counts of the user's bars of one face that the design checks.
inline constexpr int kBarrasUsuarioMin = 2, kBarrasUsuarioMax = 100;

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
    float ModuloElasticidad = 0;  // Tn/m2, Ec = 15100 * sqrt(f'c) * 10
    float PeralteEfectivo = 0;  // cm, effective depth d of the last calculation (the file keeps it)

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

    // 5. The project's options: design for the worst arrangement of the live
    // load; the key of the design rules (design/Reglas.h: "clasica" or
    // "aci318-19"); the sustained part of the live load, percent 0..100, which
    // only rules with a sustained load in their long-term deflection read;
    // the stirrup bar (not chosen: the first calculation that designs
    // stirrups asks for it and keeps the answer here); the clear cover, cm,
    // from the face to the stirrups, from which the bars are placed (the
    // materials' cover stays the assumed distance to the steel's centroid);
    // the user's bars of the bottom and top faces (none: the program's
    // choice).
    bool AlternanciaViva = false;
    std::string Norma = "clasica";
    float VivaSostenida = 0;
    DiametroEstribo Estribo = DiametroEstribo::SinElegir;
    float RecubrimientoLibre = kRecubrimientoLibre;
    std::optional<BarrasUsuario> BarrasInferior, BarrasSuperior;

    bool operator==(const EstadoProyecto&) const = default;
};

// Load-window reset: clears the table and the beam. (What the windows show
// of the last result after it is the document's: Documento::ReiniciarCargas.)
void ReiniciarCargas(EstadoProyecto& e);

// Main-window reset: clears the table, the beam and the options (the
// arrangements off, the classic rules, no sustained live load, no stirrup
// bar chosen, a clear cover of 4 cm, the program's bars; the result on
// screen: Documento::ReiniciarGeneral).
void ReiniciarGeneral(EstadoProyecto& e);

// Appends a load as row NumCargas + 1. Returns false (and changes nothing)
// when the table already holds kMaxCargas loads; `mensaje` then receives the
// Spanish text to show.
bool AgregarCarga(EstadoProyecto& e, const Carga& c, std::string* mensaje = nullptr);

// The beam, its two supports and the loads 1..NumCargas of `e` as typed
// input (no section, materials or options). A load whose type or category
// code is not 1, 2 or 3 (a row marked for removal) is left out.
DatosViga VigaDe(const EstadoProyecto& e);

// The gross section properties and the concrete modulus `e` holds.
PropiedadesSeccion PropiedadesDe(const EstadoProyecto& e);

// Removes the loads whose Tipo is 0, keeping the order of the others.
void CompactarCargas(EstadoProyecto& e);

}  // namespace korvex
