// What counts as a change of a project: the data the engineer typed or chose
// and the project file keeps, compared with those of the moment the project
// was opened, saved or started.
//
// The data are the material texts f'c, fy and cover, the section (type and
// its four dimension texts), the beam length, the two supports, the load
// table and the options: the live-load arrangements, the design rules, the
// sustained part of the live load, the stirrup bar, the clear cover and the
// user's bars of each face. Not data: the results of a
// calculation (a calculation alone changes nothing; the effective depth the
// file keeps is a result), the section properties and stored dimensions
// (worked out from the four texts), the state of the load window's controls
// (which load type is chosen), and the deflection-use category (the file does
// not keep it).
//
// The results of a calculation are out of date while the data they were
// calculated with differ from the project's: the same data and, besides, the
// deflection-use category, which the deflection check and the admissible
// deflection read. Data brought back to the calculated values make the
// results current again.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/Proyecto.h"

namespace korvex {

struct DatosProyecto {
    std::string txtFc, cboFy, txtRec;
    std::string TipoViga, txtB, txtH, txtBw, txtHw;
    float LuzViga = 0, DistJ = 0, DistK = 0;  // m
    std::vector<Carga> Cargas;                // loads 1..NumCargas
    bool AlternanciaViva = false;
    std::string Norma = "clasica";
    float VivaSostenida = 0;  // percent
    DiametroEstribo Estribo = DiametroEstribo::SinElegir;
    float RecubrimientoLibre = kRecubrimientoLibre;  // cm
    std::optional<BarrasUsuario> BarrasInferior, BarrasSuperior;

    bool operator==(const DatosProyecto&) const = default;
};

// The data of `p` at this moment.
DatosProyecto DatosDe(const Proyecto& p);

// Whether the data of `p` differ from `base` (compared in place: no copy of
// the load table).
bool Cambiado(const DatosProyecto& base, const Proyecto& p);

// The data a calculation's results follow.
struct DatosCalculados {
    DatosProyecto datos;
    int UsoDeflexion = 1;  // deflection-use category 1..4 (0: none chosen)

    bool operator==(const DatosCalculados&) const = default;
};

// The data of `p` at the end of a calculation.
DatosCalculados DatosCalculadosDe(const Proyecto& p);

// Whether the data of `p` differ from those the results were calculated with.
bool Desactualizado(const DatosCalculados& calculados, const Proyecto& p);

}  // namespace korvex
