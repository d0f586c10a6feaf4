// Event wiring shared by the windows.
//
// AlPerderFoco(campo, accion): runs `accion` each time the field loses the
// focus to another control of the program (the LostFocus event), not when a
// message box, a menu or another application takes it. The action runs from
// the event loop right after the focus has moved, so it may show a message
// and give the focus back to the field.
//
// Seleccionar(campo): gives the field the focus and selects its whole text.
#pragma once

#include <functional>

class QLineEdit;
class QWidget;

namespace korvex::ui {

void AlPerderFoco(QWidget* campo, std::function<void()> accion);

void Seleccionar(QLineEdit* campo);

}  // namespace korvex::ui
