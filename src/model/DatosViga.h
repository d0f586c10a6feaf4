// What the engineer gave for one beam, as numbers and enumerations: the
// length, the supports, the loads, the section, the materials and the
// options. Field texts are read into these values once, where text enters
// (the project file reader, the windows' fields); the calculation reads only
// these values.
//
// Units as in the project state: lengths along the beam in m (x = 0 at the
// left end), section dimensions and cover in cm, f'c and fy in Kgr/cm2,
// forces in Tn, distributed loads in Tn/m, moments in Tn.m.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

enum class TipoCarga : std::uint8_t { Puntual = 1, Distribuida = 2, Momento = 3 };
enum class CategoriaCarga : std::uint8_t { Viva = 1, Muerta = 2, Otros = 3 };

// One load as the load table holds it. The positions keep the Single values
// the table stores, since the stations and the steps of the loads depend on
// them.
struct CargaViga {
    TipoCarga tipo = TipoCarga::Puntual;
    CategoriaCarga categoria = CategoriaCarga::Viva;
    float a = 0;    // m, position (start of a distributed load)
    float b = 0;    // m, loaded length of a distributed load; 0 otherwise
    float c = 0;    // m, L - a - b when the load was added
    float p1 = 0;   // Tn, Tn/m or Tn.m: force, intensity at a, or moment
    float p2 = 0;   // Tn/m, intensity at a + b of a distributed load
    float fin = 0;  // m, a + b

    bool operator==(const CargaViga&) const = default;
};

enum class FormaSeccion : std::uint8_t { SinDefinir, Rectangular, T, TInvertida };

// The section as typed: for a rectangle b and h; for a T or an inverted T
// the flange (b = bf, h = hf) and the web (bw, hw). Each dimension is the
// Single its field reads as.
struct SeccionViga {
    FormaSeccion forma = FormaSeccion::SinDefinir;
    float b = 0, h = 0, bw = 0, hw = 0;  // cm

    bool operator==(const SeccionViga&) const = default;
};

struct MaterialesViga {
    std::optional<double> fc;  // Kgr/cm2; empty when the field was left empty
    double fy = 0;             // Kgr/cm2
    double recubrimiento = 0;  // cm, face to the centroid of the tension steel

    bool operator==(const MaterialesViga&) const = default;
};

enum class DiametroEstribo : std::uint8_t { SinElegir, TresOctavos, MedioPulgada };

// The stirrup bar as the design and the project file write it: "3/8" or
// "1/2" (inches); "" when none was chosen.
inline const char* TextoEstribo(DiametroEstribo d) {
    return d == DiametroEstribo::TresOctavos    ? "3/8"
           : d == DiametroEstribo::MedioPulgada ? "1/2"
                                                : "";
}
// The bar of a text "3/8" or "1/2"; SinElegir for any other text.
inline DiametroEstribo EstriboDeTexto(std::string_view t) {
    return t == "3/8"   ? DiametroEstribo::TresOctavos
           : t == "1/2" ? DiametroEstribo::MedioPulgada
                        : DiametroEstribo::SinElegir;
}

// Bars the user gives for one face instead of the program's choice: a row
// of the bar table (0 1", 1 3/4", 2 1/2", 3 3/8") and the number of bars.
struct BarrasUsuario {
    int diametro = 0;
    int cantidad = 0;

    bool operator==(const BarrasUsuario&) const = default;
};

struct OpcionesViga {
    bool alternancia = false;  // design for the worst arrangement of the live load
    int usoDeflexion = 1;      // deflection-use category 1..4 (0: none chosen)
    DiametroEstribo estribo = DiametroEstribo::SinElegir;  // asked when not chosen
    // The key of the design rules (design/Reglas.h): "clasica" or "aci318-19".
    std::string norma = "clasica";
    // Percentage of the live load that is sustained, 0..100, for rules whose
    // long-term deflection counts it with the dead load.
    float vivaSostenida = 0;
    // cm, clear cover from the face to the stirrups ("Recubrimiento libre");
    // the arrangement of the bars starts from it. The cover of the materials
    // stays the assumed distance to the centroid of the steel.
    float recubrimientoLibre = 4;
    // The user's bars of the bottom (M(+)) and top (M(-)) tension faces.
    std::optional<BarrasUsuario> barrasInferior, barrasSuperior;

    bool operator==(const OpcionesViga&) const = default;
};

// What the section's geometry and the concrete give the analysis and the
// design: the gross properties computed when the section was accepted and the
// modulus of the concrete.
struct PropiedadesSeccion {
    float area = 0;             // cm2, gross area (the self weight)
    float inercia = 0;          // m4, gross inertia about the centroidal axis
    float anchoRectangulo = 0;  // cm, width b of a rectangle as its geometry read it
    float modulo = 0;           // Tn/m2, modulus of elasticity of the concrete

    bool operator==(const PropiedadesSeccion&) const = default;
};

struct DatosViga {
    float longitud = 0;          // m
    std::vector<float> apoyos;   // m, abscissas of the supports, left to right
    std::vector<CargaViga> cargas;
    SeccionViga seccion;
    MaterialesViga materiales;
    OpcionesViga opciones;

    // The first and the last support: the ends of the span between supports;
    // 0 and 0 when no support was given.
    float ApoyoIzquierdo() const { return apoyos.empty() ? 0.0f : apoyos.front(); }
    float ApoyoDerecho() const { return apoyos.empty() ? 0.0f : apoyos.back(); }

    bool operator==(const DatosViga&) const = default;
};

}  // namespace korvex
