// frmSecciones: the section type chooser ("Secciones Típicas"). Its toolbar
// Toolbar1 holds one button per type, keyed "Viga_Rect", "Viga_T" and
// "Viga_Ti"; choosing one stores the key in the project's seccion.TipoViga,
// hides the chooser and shows frmSeccion (on the same document) modally,
// prepared for that type.
#pragma once

#include <QDialog>
#include <QString>

#include "project/Documento.h"

class QAction;
class QLabel;
class QToolBar;

namespace korvex::ui {

class frmSecciones : public QDialog {
    Q_OBJECT

  public:
    explicit frmSecciones(Documento& documento, QWidget* padre = nullptr);

    QToolBar* Toolbar1;
    QLabel* lblElija;

    // The button of a key, nullptr for another key.
    QAction* Boton(const QString& clave) const;

    // The button click: a key other than the three is only stored.
    void Toolbar1_ButtonClick(const QString& clave);

  private:
    Documento& documento_;
};

}  // namespace korvex::ui
