// Message boxes and the stirrup question of the windows.
//
// InterfazVentanas is the windows' side of the core's Interfaz: a Mensaje
// becomes a modal QMessageBox with the icon and buttons of its style
// (0 OK, 16 critical + OK, 33 question + OK/Cancel, 48 warning + OK,
// 64 information + OK) and the answer comes back as kRespuestaOk or
// kRespuestaCancelar (closing the box counts as Cancel when it has a
// Cancel button, as OK otherwise). PedirDiametroEstribo() shows frmEstribos
// modally and returns its DiamEstribo ("3/8" or "1/2").
//
// MostrarMensaje(texto, titulo, estilo) is the same box for the windows' own
// messages.
//
// Test mode (Mensajes::ModoPrueba(true)): no box or dialog is shown. Every
// message is appended to Mensajes::Registrados(); a box with a Cancel button
// takes its answer from the queue filled by ProgramarRespuesta() (OK when the
// queue is empty), a box with only OK answers OK without using the queue. The
// stirrup question takes its answer from ProgramarEstribo() ("3/8" when
// nothing is programmed) unless EstriboReal(true) asks for the real dialog,
// which a test then answers (QTimer::singleShot). Limpiar() empties the
// record, both queues and the EstriboReal switch.
#pragma once

#include <string>
#include <vector>

#include "model/Interfaz.h"

namespace korvex::ui {

class InterfazVentanas : public korvex::Interfaz {
  public:
    int MostrarMensaje(const Mensaje& m) override;
    std::string PedirDiametroEstribo() override;
};

class Mensajes {
  public:
    static void ModoPrueba(bool activo);
    static bool EnModoPrueba();
    static const std::vector<Mensaje>& Registrados();
    static void Limpiar();
    static void ProgramarRespuesta(int respuesta);
    static void ProgramarEstribo(const std::string& diametro);
    static void EstriboReal(bool mostrar);
    // Number of stirrup questions asked since the last Limpiar().
    static int PreguntasEstribo();
};

// The one adapter every window hands to the core.
InterfazVentanas& Adaptador();

// Shows one message of the windows; returns kRespuestaOk or kRespuestaCancelar.
int MostrarMensaje(const std::string& texto, const std::string& titulo, int estilo);

}  // namespace korvex::ui
