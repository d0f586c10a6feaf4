// The layout of the project file shared by its reader and writer: the 42
// header fields in file order with their kinds and Spanish names (used in the
// messages), and the eight fields of a load record. Internal to the project
// file code.
#pragma once

#include <string>

#include "model/Interfaz.h"
#include "project/ArchivoKvx.h"
#include "project/Proyecto.h"

namespace korvex::kvx {

enum class Tipo {
    Single,    // number, single precision
    Texto,     // string in double quotes
    Casilla,   // check box value: integer 0 or 1
    Cuenta,    // load count: integer 0..32767
    Booleano,  // #TRUE# / #FALSE#
    Color,     // signed 32-bit integer
    TipoViga,  // string: "Viga_Rect", "Viga_T", "Viga_Ti" or empty
};

struct Campo {
    Tipo tipo;
    const char* nombre;  // Spanish name used in the messages
};

inline constexpr int kCamposCabecera = 42;
inline constexpr int kCamposCarga = 8;

// Calls f(campo, reference) for the 42 header fields in file order. `P` is
// Proyecto or const Proyecto, so the reader and the writer share the layout.
template <class P, class F>
void RecorrerCabecera(P& p, F&& f) {
    auto& e = p.estado;
    auto& s = p.seccion;
    auto& m = p.materiales;
    auto& v = p.ventana;
    f(Campo{Tipo::Single, "longitud de la viga L"}, e.LuzViga);                               // 1
    f(Campo{Tipo::Texto, "f'c"}, m.txtFc);                                                    // 2
    f(Campo{Tipo::Texto, "fy"}, m.cboFy);                                                     // 3
    f(Campo{Tipo::Texto, "recubrimiento"}, m.txtRec);                                         // 4
    f(Campo{Tipo::Texto, "texto de b (o bf) de la sección"}, s.txtB);                         // 5
    f(Campo{Tipo::Texto, "texto de bw de la sección"}, s.txtBw);                              // 6
    f(Campo{Tipo::Texto, "texto de h (o hf) de la sección"}, s.txtH);                         // 7
    f(Campo{Tipo::Texto, "texto de hw de la sección"}, s.txtHw);                              // 8
    f(Campo{Tipo::Single, "bf"}, s.Bf);                                                       // 9
    f(Campo{Tipo::Single, "bw"}, s.Bw);                                                       // 10
    f(Campo{Tipo::Single, "h"}, s.H);                                                         // 11
    f(Campo{Tipo::Single, "hf"}, s.Hf);                                                       // 12
    f(Campo{Tipo::Single, "hw"}, s.Hw);                                                       // 13
    f(Campo{Tipo::Casilla, "casilla Viga con Vuelos"}, v.Check_Vuelo);                        // 14
    f(Campo{Tipo::Cuenta, "número de cargas"}, e.NumCargas);                                  // 15
    f(Campo{Tipo::Booleano, "opción Distribuida"}, v.optDistribuida);                         // 16
    f(Campo{Tipo::Booleano, "opción Momento"}, v.optMomento);                                 // 17
    f(Campo{Tipo::Booleano, "opción Puntual"}, v.optPuntual);                                 // 18
    f(Campo{Tipo::Booleano, "opción Muerta"}, v.optMuerta);                                   // 19
    f(Campo{Tipo::Booleano, "opción Viva"}, v.optViva);                                       // 20
    f(Campo{Tipo::Booleano, "estado habilitado de txtB"}, v.txtB_Enabled);                    // 21
    f(Campo{Tipo::Color, "color de fondo de txtB"}, v.txtB_BackColor);                        // 22
    f(Campo{Tipo::Booleano, "estado habilitado de txtL"}, v.txtL_Enabled);                    // 23
    f(Campo{Tipo::Color, "color de fondo de txtL"}, v.txtL_BackColor);                        // 24
    f(Campo{Tipo::Booleano, "estado habilitado de txtP2"}, v.txtP2_Enabled);                  // 25
    f(Campo{Tipo::Color, "color de fondo de txtP2"}, v.txtP2_BackColor);                      // 26
    f(Campo{Tipo::Booleano, "estado habilitado de lblB"}, v.lblB_Enabled);                    // 27
    f(Campo{Tipo::Booleano, "estado habilitado de lblL"}, v.lblL_Enabled);                    // 28
    f(Campo{Tipo::Booleano, "estado habilitado de lblP2"}, v.lblP2_Enabled);                  // 29
    f(Campo{Tipo::Booleano, "estado habilitado de txtJ"}, v.txtJ_Enabled);                    // 30
    f(Campo{Tipo::Color, "color de fondo de txtJ"}, v.txtJ_BackColor);                        // 31
    f(Campo{Tipo::Booleano, "estado habilitado de txtK"}, v.txtK_Enabled);                    // 32
    f(Campo{Tipo::Color, "color de fondo de txtK"}, v.txtK_BackColor);                        // 33
    f(Campo{Tipo::Booleano, "estado habilitado de lblj"}, v.lblj_Enabled);                    // 34
    f(Campo{Tipo::Booleano, "estado habilitado de lblk"}, v.lblk_Enabled);                    // 35
    f(Campo{Tipo::TipoViga, "tipo de viga"}, s.TipoViga);                                     // 36
    f(Campo{Tipo::Single, "peralte efectivo d"}, e.PeralteEfectivo);                          // 37
    f(Campo{Tipo::Texto, "texto de j"}, v.txtJ);                                              // 38
    f(Campo{Tipo::Texto, "texto de k"}, v.txtK);                                              // 39
    f(Campo{Tipo::Single, "posición del apoyo j"}, e.DistJ);                                  // 40
    f(Campo{Tipo::Single, "posición del apoyo k"}, e.DistK);                                  // 41
    f(Campo{Tipo::Booleano, "estado habilitado de Viga con Vuelos"}, v.Check_Vuelo_Enabled);  // 42
}

inline constexpr const char* kNombresCarga[kCamposCarga] = {
    "posición a",    "longitud b",        "distancia c al extremo derecho",
    "intensidad P1", "intensidad P2",     "posición final a + b",
    "tipo de carga", "categoría de carga"};

inline bool TipoVigaConocido(const std::string& t) {
    return t.empty() || t == kVigaRect || t == kVigaT || t == kVigaTi;
}

inline bool CodigoCarga(float v) {
    return v == 1.0f || v == 2.0f || v == 3.0f;
}

// A refusal of the save command.
inline Mensaje RechazoGuardar(const std::string& t) {
    return {t, kTituloGuardar, kEstiloCritico};
}

}  // namespace korvex::kvx
