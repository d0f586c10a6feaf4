// Toolbar pictures drawn with QPainter: the seven buttons of the main
// window and the three section shapes of the section chooser.
#pragma once

#include <QIcon>
#include <QString>

namespace korvex::ui {

// Keys "Nuevo", "Abrir", "Salvar", "Imprimir", "Cargas", "Secciones", "Ayuda",
// "Viga_Rect", "Viga_T", "Viga_Ti"; an empty icon for another key.
QIcon Icono(const QString& clave);

}  // namespace korvex::ui
