// What a window tells the others, as signals named for what happened: the
// section and load windows emit them and the main window listens, so that no
// window writes another's controls and the window groups do not include each
// other.
#pragma once

#include <QObject>

namespace korvex::ui {

class Avisos : public QObject {
    Q_OBJECT

  public:
    static Avisos& Instancia();

  signals:
    // The section window's OK: the section and its properties are in the
    // project.
    void SeccionAceptada();
    // Its close box: the fields were emptied, nothing was kept.
    void SeccionDescartada();
    // The load window closed; `calculable` when a calculation may run (loads
    // in the table and, after its Ok, a flange within its limit).
    void CargasAceptadas(bool calculable);
    // The load table was emptied: by deleting its only load, or by the load
    // window's reset (`reinicio`), which also withdraws the diagram choice.
    void CargasVaciadas(bool reinicio);
    // The load table changed while the load window is up: a load added,
    // modified or deleted, or the table emptied.
    void CargasCambiadas();
    // The deflection-use dialog chose another category.
    void UsoCambiado();
    // The bar window stored the user's bars of the faces (or gave them back
    // to the program's choice) in the project.
    void BarrasCambiadas();
    // Undo or redo asked from a window of the project (its keys).
    void PedirDeshacer();
    void PedirRehacer();
};

}  // namespace korvex::ui
