// The tension bars of one face split into the bars that run from end to end
// and the bars cut where the others resist the demand, with the ends the
// rules of cut-off and anchorage give each group of cut bars.
//
// Units: abscissas m, section lengths and extensions cm, moments Tn.m at the
// stations.
#pragma once

#include <vector>

#include "design/CapacidadViga.h"
#include "model/DatosViga.h"
#include "model/DespieceResultado.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// What every face of one schedule shares.
struct ContextoDespiece {
    const ResultadoDiseno* r = nullptr;
    const ResultadoAnalisis* a = nullptr;
    const ReglasDiseno* reglas = nullptr;
    CorteBarrasRegla corte;
    double L = 0, J = 0, K = 0;  // m, the beam and its two supports
    bool vueloIzquierdo = false, vueloDerecho = false;
    double recubrimiento = 0;  // m, clear cover at the ends of the beam
};

// The bars of one face that run from end to end: the two corner bars of
// layer 1, then the other bars of layer 1 and then those of layer 2 (largest
// first) until they hold `fraccion` of the face's area; the rest are cut.
struct Reparto {
    std::vector<GrupoBarras> corridas, cortadas;
};
Reparto RepartirBarras(const std::vector<GrupoBarras>& barras, double fraccion);

// A bar of the schedule of face `inferior` doing `f`, with the count,
// diameter and layer of `g` (ends, hooks and mark not yet set).
BarraDespiece Barra(bool inferior, FuncionBarra f, const GrupoBarras& g);

// The share of a face's steel that runs from end to end: one third, one
// quarter when both supports are continuous (a cantilever beyond each).
double FraccionCorrida(const ContextoDespiece& k);

// The tension bars of the face `s` (not yet numbered, hooks and lengths not
// yet set): the running bars end to end and, for every region where the
// demand exceeds phi Mn of the running bars, the cut bars with their ends.
std::vector<BarraDespiece> BarrasTraccion(const ContextoDespiece& k, const SeccionCara& s,
                                          const std::vector<float>& demanda);

// cm: max(d, 12 db) and max(d, 12 db, ln/16) of a bar of row `fila`.
double ExtensionCorte(const ContextoDespiece& k, double d, int fila);
double ExtensionInflexion(const ContextoDespiece& k, double d, int fila);

}  // namespace korvex
