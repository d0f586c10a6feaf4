// One beam project as the windows and the headless command hold it: the
// project state, the section, the material fields and the state of the load
// window controls that the project file stores.
#pragma once

#include <cstdint>
#include <string>

#include "design/Seccion.h"
#include "model/Estado.h"

namespace korvex {

// System colours written as signed 32-bit integers (&H80000005 window
// background, &H8000000F button face).
inline constexpr std::int32_t kColorVentana = -2147483643;
inline constexpr std::int32_t kColorBoton = -2147483633;

// Controls of the load window whose state travels in the project file. The
// defaults are the state of the window when it first opens (distributed load
// chosen, nothing disabled, no cantilevers).
struct EstadoVentanaCargas {
    int Check_Vuelo = 0;  // value of "Viga con Vuelos": 0 clear, 1 ticked
    bool Check_Vuelo_Enabled = true;

    bool optDistribuida = true;  // load type options
    bool optMomento = false;
    bool optPuntual = false;
    bool optMuerta = false;  // load category options ("Otros" when neither)
    bool optViva = false;

    bool txtB_Enabled = true;
    std::int32_t txtB_BackColor = kColorVentana;
    bool txtL_Enabled = true;
    std::int32_t txtL_BackColor = kColorVentana;
    bool txtP2_Enabled = true;
    std::int32_t txtP2_BackColor = kColorVentana;
    bool lblB_Enabled = true;
    bool lblL_Enabled = true;
    bool lblP2_Enabled = true;
    bool txtJ_Enabled = true;
    std::int32_t txtJ_BackColor = kColorVentana;
    bool txtK_Enabled = true;
    std::int32_t txtK_BackColor = kColorVentana;
    bool lblj_Enabled = true;
    bool lblk_Enabled = true;

    std::string txtJ;  // texts of the support fields, m
    std::string txtK;

    bool operator==(const EstadoVentanaCargas&) const = default;
};

struct Proyecto {
    EstadoProyecto estado;
    Seccion seccion;
    Materiales materiales;
    EstadoVentanaCargas ventana;

    bool operator==(const Proyecto&) const = default;
};

}  // namespace korvex
