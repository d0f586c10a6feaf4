// frmUsos: the deflection-use dialog. Its four options are the use
// categories 1 to 4 of the deflection limit (L/180, L/360, L/480, L/240);
// the chosen one is written to the project's materiales.UsoDeflexion at
// once. "Ok" (and the close box) only hide it, so the choice survives
// between showings. Option1 is chosen when the window is made. Under each
// option, lblLimite1..4 show the limit that category sets on this beam, zone
// by zone, worked out again each time the dialog is shown.
#pragma once

#include <QDialog>

#include "project/Documento.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace korvex::ui {

class frmUsos : public QDialog {
    Q_OBJECT

  public:
    explicit frmUsos(Documento& documento, QWidget* padre = nullptr);

    QLabel* Label1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QPushButton* cmdFrmUsosOk;
    QLabel* lblLimite1;
    QLabel* lblLimite2;
    QLabel* lblLimite3;
    QLabel* lblLimite4;

    // The chosen category, 1..4 (0 when none is chosen).
    int Uso() const;
    // Chooses category 1..4 (any other value chooses none).
    void ElegirUso(int uso);

    void cmdFrmUsosOk_Click();

    // The limits of the four categories for the beam as it stands.
    void MostrarLimites();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    QRadioButton* Opcion(int uso) const;
    QLabel* Limite(int uso) const;

    Documento& documento_;
};

}  // namespace korvex::ui
