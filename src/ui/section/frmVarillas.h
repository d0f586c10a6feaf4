// frmVarillas: the bar table. grdVarillas shows, for each of the four steel
// areas (columns M(+) Tracción, M(-) Tracción, M(+) Compresión,
// M(-) Compresión), the suggested number of bars of 1", 3/4", 1/2" and 3/8"
// worked out by the design of the document's result (ResultadoDiseno::
// Varillas). Shown non-modally by the main window's "Posibles Varillas a
// Utilizar".
#pragma once

#include <QWidget>

#include "project/Documento.h"

class QLabel;
class QTableWidget;

namespace korvex::ui {

class frmVarillas : public QWidget {
    Q_OBJECT

  public:
    explicit frmVarillas(Documento& documento, QWidget* padre = nullptr);

    QTableWidget* grdVarillas;
    QLabel* lblNota;

    // Fills the count cells from the project's bar table, each centred.
    void TablaVarillas();

  private:
    Documento& documento_;
};

}  // namespace korvex::ui
