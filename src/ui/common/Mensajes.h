// Message boxes and the stirrup question of the windows.
//
// InterfazVentanas is the windows' side of the core's Interfaz: a Mensaje
// becomes a modal QMessageBox with the icon and buttons of its style
// (0 OK, 16 critical + OK, 33 question + OK/Cancel, 35 question +
// Sí/No/Cancelar, 48 warning + OK, 64 information + OK) and the answer comes
// back as kRespuestaOk, kRespuestaSi, kRespuestaNo or kRespuestaCancelar
// (closing the box counts as Cancel when it has a Cancel button, as OK
// otherwise). PedirDiametroEstribo() asks the question
// set with FijarPreguntaEstribo() (the section group's stirrup dialog, set by
// the main window), "3/8" when none was set.
//
// Adaptador() is the interface every window hands to the core and uses for
// its own messages. FijarAdaptador() puts another one in its place (a test
// records the messages instead of showing them); nullptr restores the boxes.
#pragma once

#include <functional>
#include <string>

#include "model/Interfaz.h"

namespace korvex::ui {

class InterfazVentanas : public korvex::Interfaz {
  public:
    int MostrarMensaje(const Mensaje& m) override;
    std::string PedirDiametroEstribo() override;
};

korvex::Interfaz& Adaptador();
void FijarAdaptador(korvex::Interfaz* otro);
void FijarPreguntaEstribo(std::function<std::string()> pregunta);

// Shows one message of the windows; returns its answer.
int MostrarMensaje(const std::string& texto, const std::string& titulo, int estilo);

}  // namespace korvex::ui
