// Bars that fit: for each face that needs steel, the bars of the program's
// table that fit in one or two layers inside the stirrups, the effective
// depth they really give, the design of the face again with that depth when
// it is smaller than the assumed one, and phi Mn of the bars against Mu.
//
// Units: cm, cm2, Kgr/cm2, Kgr.cm.
#pragma once

#include <array>
#include <vector>

#include "design/Seccion.h"
#include "model/ArmadoResultado.h"
#include "model/DatosViga.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex {

// Nominal diameters, cm, of the rows of the bar table (1", 3/4", 1/2", 3/8")
// and their names as the output writes them.
inline constexpr std::array<double, 4> kDiametroVarilla = {2.54, 1.905, 1.27, 0.9525};
inline constexpr std::array<const char*, 4> kNombreVarilla = {"1", "3/4", "1/2", "3/8"};

inline constexpr double kSeparacionMinima = 2.5;  // cm, clear spacing between bars and layers

// Clear spacing between the bars of a layer whose largest bar is db (cm):
// the larger of 2.5 cm and db (ACI 318-19 25.2.1; 4/3 of the aggregate is
// taken as within 2.5 cm, an aggregate of at most 19 mm).
double SeparacionLibreMinima(double db);

// The bars of a face placed in layers: every bar (rows of the table, largest
// first) in layer 1 while they fit in the clear width, the rest in layer 2
// (no more bars than layer 1). Empty when they do not fit in two layers or
// fewer than 2 bars are given.
std::vector<GrupoBarras> Colocar(const std::vector<int>& barras, double anchoLibre);

// Distance, cm, from the tension face to the centroid of placed bars and to
// the bar nearest the face; `libreLateral` is clear cover + stirrup.
struct CentroideBarras {
    double area = 0;       // cm2
    double centroide = 0;  // cm from the face
    double extremo = 0;    // cm from the face to the centre of the nearest bar
};
CentroideBarras Centroide(const std::vector<GrupoBarras>& g, double libreLateral);

// The compression zone of a section and its tension and compression steel.
struct SeccionCapacidad {
    double b = 0;                  // cm, width at the compression face
    bool conAla = false;           // a flange of thickness hf over a web bw
    double hf = 0, bw = 0;         // cm
    double As = 0, d = 0, dt = 0;  // cm2, cm
    double Asc = 0, dp = 0;        // cm2, cm
};
struct Capacidad {
    double Mn = 0, phiMn = 0;  // Kgr.cm
    double c = 0;              // cm, neutral axis depth
    double epsT = 0;           // net tensile strain at dt
    double phi = 0;
};
// phi Mn by strain compatibility: the rectangular block of the rules over the
// flange and the web, the steel elastic-plastic (Es, fy), phi of the rules at
// the strain of the extreme tension bars.
Capacidad CapacidadFlexion(const ReglasDiseno& reglas, double fc, double fy,
                           const SeccionCapacidad& sc);

// The bars of every face that needs steel of the finished flexural design
// `r` (bottom face first), the user's bars of the input where given.
std::vector<ArmadoCara> DisenarArmado(const ResultadoDiseno& r, const Seccion& s,
                                      const DatosViga& datos, const PropiedadesSeccion& propiedades,
                                      const ReglasDiseno& reglas);

}  // namespace korvex
