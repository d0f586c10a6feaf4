#include "ui/polygon/AbrirGeom.h"

#include "ui/common/Registro.h"
#include "ui/polygon/frmGeom.h"

namespace korvex::ui {

// A hidden window (closed with "Ok") keeps its vertices; showing it again runs
// its load code, which rebuilds the list and redraws the figure.
void MostrarPoligono() {
    frmGeom* g = Ventana<frmGeom>();
    const bool oculta = !g->isVisible();
    g->show();
    if (oculta) g->Form_Load();
    g->raise();
    g->activateWindow();
}

}  // namespace korvex::ui
