// frmVarillas: the bar table. grdVarillas shows, for each of the four steel
// areas (columns M(+) Tracción, M(-) Tracción, M(+) Compresión,
// M(-) Compresión), the suggested number of bars of 1", 3/4", 1/2" and 3/8"
// worked out by the design of the document's result (ResultadoDiseno::
// Varillas). Shown non-modally by the main window's "Posibles Varillas a
// Utilizar".
//
// Below the table, for each face, the arrangement of the last result (its
// bars, the real d, phi Mn against Mu; a refused arrangement in red) and the
// user's choice of bars for it: "Elegir las varillas" with a diameter of the
// table and a count. "Aplicar" stores the choice in the project and tells
// the main window (Avisos::BarrasCambiadas), which calculates again; a face
// left unticked goes back to the program's choice.
#pragma once

#include <QWidget>

#include "project/Documento.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace korvex::ui {

class frmVarillas : public QWidget {
    Q_OBJECT

  public:
    explicit frmVarillas(Documento& documento, QWidget* padre = nullptr);

    QTableWidget* grdVarillas;
    QLabel* lblNota;
    // The arrangement of each face in the last result.
    QLabel *lblArmadoInferior, *lblArmadoSuperior;
    // The user's bars of each face: ticked, a row of the bar table and a count.
    QCheckBox *chkBarrasInferior, *chkBarrasSuperior;
    QComboBox *cboDiamInferior, *cboDiamSuperior;
    QLineEdit *txtCantInferior, *txtCantSuperior;
    QPushButton* cmdAplicarBarras;

    // Fills the count cells from the project's bar table, each centred, and
    // the arrangements and the user's bars (MostrarBarras).
    void TablaVarillas();
    // The arrangement of each face from the result on screen and the user's
    // bars from the project.
    void MostrarBarras();
    // Reads the user's bars of both faces; on a refusal (a message names the
    // face) nothing is stored. Otherwise, when they differ from the
    // project's, stores them and announces it.
    void cmdAplicarBarras_Click();

  private:
    // The controls of one face, in the layout `l`.
    void CrearCara(bool inferior, QGridLayout* l, int fila);
    void MostrarCara(bool inferior);

    Documento& documento_;
};

}  // namespace korvex::ui
