// The calculation report ("Memoria de cálculo") as data: an ordered list of
// blocks (headings, paragraphs, tables, formulas and figures) in Spanish,
// built from a project and the result of its calculation. Every number comes
// from the project's input, the result or its record of the design steps
// (ResultadoDiseno::Pasos) and is only
// formatted here, never computed again, so that the report cannot disagree
// with the screen or the JSON. Drawing the blocks on pages is the windows'
// business (ui/report/MemoriaPdf).
//
// Texts are UTF-8 with a small inline markup for the formulas and units:
// "_{...}" is a subscript and "^{...}" a superscript (As_{min}, cm^{2}).
// Braces hold no blanks, so a text can be broken into lines at its blanks.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "model/Dibujo.h"
#include "model/ReglasDiseno.h"
#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

namespace korvex {

// Heading of a part (nivel 1: "3. Diseño a flexión"), of a subsection
// (nivel 2) or the document title (nivel 0).
struct Encabezado {
    int nivel = 1;
    std::string texto;

    bool operator==(const Encabezado&) const = default;
};

struct Parrafo {
    std::string texto;
    bool nota = false;  // a remark in a smaller type (conventions, sources of a value)

    bool operator==(const Parrafo&) const = default;
};

// A table: one header row and the body rows, every row as long as the
// header. A table longer than a page continues with its header repeated.
struct TablaMemoria {
    std::vector<std::string> encabezado;
    std::vector<std::vector<std::string>> filas;
    std::vector<bool> numerica;  // per column: right-aligned numbers

    bool operator==(const TablaMemoria&) const = default;
};

enum class Veredicto { Ninguno, Cumple, NoCumple };

// One step of a design: what it computes, the formula with its symbols, the
// formula with the numbers substituted (empty when the value is taken as it
// is), the result with its unit and, for a check, the verdict.
struct FormulaMemoria {
    std::string concepto;
    std::string simbolos;
    std::string sustitucion;
    std::string resultado;
    Veredicto veredicto = Veredicto::Ninguno;

    bool operator==(const FormulaMemoria&) const = default;
};

// A labelled point of a diagram: an extreme and its abscissa.
struct MarcaDiagrama {
    double x = 0, y = 0;  // m, value in the units of the axis
    std::string texto;

    bool operator==(const MarcaDiagrama&) const = default;
};

// One diagram along the beam, in the units of its axis (the sampled values
// times `escala`, a unit or sign change for display only).
struct FiguraDiagrama {
    std::string titulo;
    std::string eje;                           // the quantity and unit of the vertical axis
    double LuzViga = 0, DistJ = 0, DistK = 0;  // m: the beam and its supports
    std::vector<double> x, y;                  // stations
    std::vector<double> yMax, yMin;  // envelope of the live-load arrangements (empty: none)
    bool positivoAbajo = false;      // positive values drawn below the axis (moments)
    std::vector<MarcaDiagrama> marcas;
    // Design strength phi Mn of the bars present at each station, in the
    // units and sign of the curve: the bottom bars on the side of the
    // positive moments, the top bars on the side of the negative ones
    // (empty: none drawn).
    std::vector<double> capacidadPos, capacidadNeg;

    bool operator==(const FiguraDiagrama&) const = default;
};

// The cross-section to scale. Dimensions in cm; for a rectangle only b and h.
struct FiguraSeccion {
    std::string TipoViga;
    double b = 0, h = 0;                    // rectangle
    double bf = 0, hf = 0, bw = 0, hw = 0;  // T and inverted T
    double Ycg = 0;                         // centroid above the bottom fibre
    double recubrimiento = 0;               // cover to the centroid of the tension steel
    double d = 0;                           // effective depth
    std::string titulo;
    // The bars proposed for each face, counts of 1", 3/4", 1/2" and 3/8"
    // (the rows of the bar table); all zero after a design failure.
    std::array<int, 4> barrasInferiores{}, barrasSuperiores{};
    // Lines under the section: the bars of each face with their label
    // ("4Ø1\" + 1Ø3/4\"") and, where compression steel was designed, the
    // note to confine it.
    std::vector<std::string> leyenda;

    bool operator==(const FiguraSeccion&) const = default;
};

// A drawing of the bars (elevation and sections, in cm), painted as large
// as the text width allows with its proportions kept.
struct FiguraDibujo {
    std::string titulo;
    Dibujo dibujo;

    bool operator==(const FiguraDibujo& o) const;
};

using Bloque = std::variant<Encabezado, Parrafo, TablaMemoria, FormulaMemoria, FiguraDiagrama,
                            FiguraSeccion, FiguraDibujo>;

struct OpcionesMemoria {
    std::string archivo;  // name of the project file, for the title
    std::string fecha;    // date of the report, as it is to be printed
};

// The whole report of project `p` calculated as `c` says: Datos, Análisis, Criterios
// de diseño, Diseño a flexión, a cortante, Varillas, Armado y despiece (when
// the design gave an arrangement of bars), Deflexiones and Avisos.
// A failure ends the design chapter at its check (an insufficient section,
// where the design stops; a shear failure, after which the design goes on
// with zero steel): no later design step is printed, and Avisos follows.
// An empty list when `c` is no calculation (no sampled diagrams).
std::vector<Bloque> ConstruirMemoria(const Proyecto& p, const ResultadoCalculo& c,
                                     const OpcionesMemoria& o = {});
// The same with the texts, clauses and combinations of `reglas`, the rules
// the calculation `c` used (the one above takes the rules `c` was calculated with).
std::vector<Bloque> ConstruirMemoria(const Proyecto& p, const ResultadoCalculo& c,
                                     const OpcionesMemoria& o, const ReglasDiseno& reglas);

// True when `c` is a calculation that a report can be built from.
bool MemoriaPosible(const ResultadoCalculo& c);

// The text of a block's markup without the braces and marks ("As_{min}" ->
// "Asmin"), as a PDF text extractor reads it back.
std::string TextoPlano(const std::string& marcado);

}  // namespace korvex
