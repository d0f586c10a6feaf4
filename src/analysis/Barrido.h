// The diagrams of the beam by one sweep along it.
//
// Past its start every load term is a polynomial of degree at most 5 in x
// (shear 2, moment 3, slope integral 4, deflection 5), and a different one
// past the end of a distributed load. Walking the stations in order, the
// sweep adds each load's coefficients when it passes the load's breakpoints
// (a and e of each load, the supports J and K), so that each station costs one
// polynomial per quantity whatever the number of loads. The coefficients are
// kept about the last breakpoint passed (shifted when the sweep moves on), so
// that long beams lose no digits to powers of large abscissas.
#pragma once

#include <functional>
#include <vector>

#include "analysis/AnalizadorViga.h"

namespace korvex {

// Values at the left side of each station (jumps at the station excluded),
// analysis sign, before they are rounded to Single: factored shear and moment
// (case 2), service moment, rotation and deflection times inertia (case 3).
struct Estaciones {
    std::vector<double> CortanteIzq;      // Tn
    std::vector<double> MomentoIzq;       // Tn.m
    std::vector<double> MomentoServicio;  // Tn.m
    std::vector<double> Giro;             // rad
    std::vector<double> Flecha;           // m5
};

// Station abscissas: from 0 in Single steps of 0.01 m while x <= L (the end
// taken once), at most `maximo` of them.
std::vector<float> AbscisasEstaciones(float L, std::size_t maximo);

// Evaluates `viga` at the increasing abscissas `X` by the sweep: the factored
// values are the envelope of its strength combinations (at each station the
// largest magnitude, the first combination on a tie).
Estaciones Barrer(const AnalizadorViga& viga, const std::vector<float>& X);

// The same sweep over several parts of one beam (the same supports, section
// and modulus; each part its own loads and, if it has it, the self weight),
// each swept as its own polynomials: at station i, visita(i, v) receives for
// each part p the values v[5 p .. 5 p + 4]: V, M, Ms, Giro and Flecha, as in
// Estaciones. Parts that hold the loads of a beam between them add up to it.
// V and M are those of the strength combination `combinacion` (its index in
// the parts' list of combinations), the other three of the service one.
void BarrerPartes(const std::vector<const AnalizadorViga*>& partes, const std::vector<float>& X,
                  const std::function<void(std::size_t, const double*)>& visita,
                  std::size_t combinacion);

}  // namespace korvex
