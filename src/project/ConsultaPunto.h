// Point query of the load window (and of the headless command): factored
// moment and shear just left and right of an abscissa typed as text.
#pragma once

#include <string>
#include <string_view>

#include "model/Estado.h"
#include "model/Interfaz.h"

namespace korvex {

struct ConsultaPunto {
    enum class Resultado {
        Vacio,      // empty text: nothing happens
        Rechazada,  // a message was shown; the state is unchanged
        Calculada,  // the analysis ran at X
    };
    Resultado resultado = Resultado::Vacio;
    float X = 0;  // m
    // Displayed sign (sagging moment positive; shear positive when the
    // resultant to the left points upward): Tn.m and Tn.
    float MomentoIzq = 0, CortanteIzq = 0, MomentoDer = 0, CortanteDer = 0;
    // The same four values formatted "###,###.00" for the grid cells
    // (row Izquierda: Mx, Qx; row Derecha: Mx, Qx).
    std::string txtMomentoIzq, txtCortanteIzq, txtMomentoDer, txtCortanteDer;
};

// Runs the query on the text of txtX: an empty text does nothing; a text that
// is not a number, a negative X or an X beyond the beam is refused with its
// message through `ui`; a beam that cannot be analysed (supports not yet
// defined, a load the analysis cannot take) is refused with the messages of
// the beam check. Otherwise XAnalisis = X and the analysis at X leaves its
// results in `e` (analysis sign).
ConsultaPunto ConsultarPunto(EstadoProyecto& e, std::string_view txtX, Interfaz& ui);

}  // namespace korvex
