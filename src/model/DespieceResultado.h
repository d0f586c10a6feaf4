// The bar schedule of the beam: every bar with where it starts and stops and
// why, the stirrups with their developed length, the design strength of the
// bars present at every station and the lengths the cut-offs were measured
// with.
//
// Units: abscissas along the beam in m (x = 0 at the left end), bar lengths
// in m, hooks, extensions and section lengths in cm, moments in Tn.m.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ReglasDiseno.h"

namespace korvex {

// What a bar of the schedule does.
enum class FuncionBarra : std::uint8_t {
    Corrida,        // tension bars that run from end to end of the beam
    Corte,          // tension bars that stop where the others resist the demand
    Compresion,     // bars of the opposite face counted as A's, end to end
    Portaestribos,  // two bars that only hold the stirrups, end to end
};

// The rule that fixed one end of a bar.
enum class ReglaExtremo : std::uint8_t {
    ExtremoViga,       // the end of the beam less the clear cover
    Extension,         // theoretical cut-off plus max(d, 12 db)
    DesarrolloMaximo,  // ld beyond the section of largest moment the bar resists
    PuntoInflexion,    // point of inflection plus max(d, 12 db, ln/16)
    DesarrolloApoyo,   // ld into the span beyond the support of a cantilever
    ZonaTraccion,      // run on until the conditions of a cut in a tension zone hold
};

struct BarraDespiece {
    int marca = 0;  // 1, 2, ... bottom bars first, then top bars
    bool inferior = true;
    FuncionBarra funcion = FuncionBarra::Corrida;
    int cantidad = 0;
    int diametro = 0;  // row of the bar table: 0 1", 1 3/4", 2 1/2", 3 3/8"
    int capa = 1;      // 1 nearest the face, 2 the layer inside it
    float desde = 0, hasta = 0;              // m, ends of the straight part
    float ganchoDesde = 0, ganchoHasta = 0;  // cm, leg of a 90 degree hook at each end (0: none)
    float longitud = 0;                      // m, developed length of one bar
    // Theoretical cut-off points of a bar that stops (where the bars that run
    // on just resist Mu); equal to desde and hasta for the other bars.
    float corteDesde = 0, corteHasta = 0;  // m
    ReglaExtremo reglaDesde = ReglaExtremo::ExtremoViga;
    ReglaExtremo reglaHasta = ReglaExtremo::ExtremoViga;

    bool operator==(const BarraDespiece&) const = default;
};

// The closed stirrups of the beam (all zones share one shape).
struct EstriboDespiece {
    int marca = 0;
    int cantidad = 0;            // sum of the zones
    int diametro = 3;            // row of the bar table
    float ancho = 0, alto = 0;   // cm, outside dimensions of the closed stirrup
    float gancho = 0;            // cm, leg of each 135 degree hook
    float longitud = 0;          // m, developed length of one stirrup

    bool operator==(const EstriboDespiece&) const = default;
};

// phi Mn of the tension bars of one face present at each station, Tn.m,
// never negative (same indexing as the diagrams: index 0 unused).
struct CapacidadCara {
    bool inferior = true;
    std::vector<float> phiMn;

    bool operator==(const CapacidadCara&) const = default;
};

// The lengths the cut-offs of one face were measured with.
struct DesarrolloCara {
    bool inferior = true;
    int diametro = 0;             // row of the bar table of the largest bar
    LongitudDesarrolloRegla ld;   // cm
    float extension = 0;          // cm, max(d, 12 db)
    float extensionInflexion = 0; // cm, max(d, 12 db, ln/16)

    bool operator==(const DesarrolloCara&) const = default;
};

struct DespieceViga {
    std::vector<BarraDespiece> barras;
    std::vector<EstriboDespiece> estribos;
    std::vector<CapacidadCara> capacidad;
    std::vector<DesarrolloCara> desarrollo;
    std::vector<std::string> avisos;  // what the schedule could not satisfy, in words

    bool operator==(const DespieceViga&) const = default;
};

}  // namespace korvex
