// The one-page report of a calculated project, described as a list of page
// elements in twips from the top-left corner of a letter page (8.5 x 11 in,
// 12240 x 15840 twips), so that the preview, the printer and a PDF file draw
// the same page and a test can read it without a device.
//
// Texts are UTF-8 and placed by the top-left corner of their line. Numbers
// carry the decimals the main window shows: two for shears, moments and steel
// areas, three for deflections, two or three for the data typed. A number
// "printed by itself" has a blank before it when it is not negative and a
// blank after it; a number joined to a text carries no added blanks.
#pragma once

#include <string>
#include <vector>

#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

namespace korvex {

inline constexpr double kAnchoCarta = 12240;  // twips, 8.5 in
inline constexpr double kAltoCarta = 15840;   // twips, 11 in

struct ElementoInforme {
    enum Tipo {
        Texto,     // `texto` at (x, y)
        Parrafo,   // `texto` broken at its blanks into lines x2 wide, at most y2 high
        Linea,     // black line from (x, y) to (x2, y2)
        Cortante,  // shear diagram picture at (x, y), x2 wide and y2 high
        Momento,   // moment diagram picture, same placement
        Logo       // the program's logo, same placement
    };
    enum Letra {
        Titulo,  // 13 pt on the preview, 25 pt printed
        Cuerpo,  // 6 pt on the preview, 13 pt printed
        Cierre,  // 9 pt on both
        Nota     // 4 pt on the preview, 9 pt printed: the body's proportion
    };
    Tipo tipo = Texto;
    double x = 0, y = 0;
    double x2 = 0, y2 = 0;
    std::string texto;
    Letra letra = Cuerpo;
};

// Point size of a text style on the preview (imprimiendo false) or on the
// printed page.
int PuntosLetra(ElementoInforme::Letra letra, bool imprimiendo);

// The page of project `p` with the result `r` of its calculation: title, the two diagram pictures
// with their titles and zero axes, the extremes, the material and section data (with rules other
// than the classic ones, the line "Norma: ACI 318-19" under them), the span (j and k
// only for a beam with cantilevers), loads 1 to 3, the stirrups, the steel, the deflection and its
// limit, whether the live load was arranged ("Carga viva alternada: sí" / "no") and, when the
// design left out an arrangement that governs, the notice that says so (a paragraph in the free
// space above the closing lines), and the closing lines. The logo is placed for the printer or the
// preview as `imprimiendo` says.
std::vector<ElementoInforme> PaginaInforme(const Proyecto& p, const ResultadoCalculo& r,
                                           bool imprimiendo);

// A number already written, printed by itself: " 2.50 ", "-3.00 ".
std::string NumeroImpreso(const std::string& numero);

}  // namespace korvex
