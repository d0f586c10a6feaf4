// frmSeccion: the dimensions of the section ("Datos de la Sección"), in cm:
// b and h of a rectangle, or bf, hf, bw and hw of a T / inverted T. The four
// field texts are copied at once into the project's seccion.txtB, .txtH,
// .txtBw and .txtHw; the stored dimensions (H, Hf, Bf, Hw, Bw, Ycg) and the
// type (TipoViga) live in the project's seccion, the gross area and inertia
// in its estado.
//
// OK checks the fields (Validar_Seccion), computes the section properties,
// applies the flange-width limit when the project has loads, hides itself and
// announces the accepted section (Avisos::SeccionAceptada). The close box
// keeps nothing: a note says so, the fields are emptied and the discarded
// section is announced (Avisos::SeccionDescartada).
#pragma once

#include <QDialog>

#include "project/Documento.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex::ui {

class Lienzo;

class frmSeccion : public QDialog {
    Q_OBJECT

  public:
    explicit frmSeccion(Documento& documento, QWidget* padre = nullptr);

    QLabel *lblBase, *lblH, *lblbw, *lblhw, *lblUnd;
    QLineEdit *txtB, *txtH, *txtBw, *txtHw;
    Lienzo *pctViga_Rect, *pctViga_T, *pctViga_Ti;
    QPushButton* cmdSeccionOk;

    // Client heights of the window, twips: a rectangle (the bw and hw fields
    // lie below, out of view) and a T or inverted T.
    static constexpr double kAltoRect = 3165, kAltoT = 4590, kAncho = 5200;

    // Lays the window out for the project's seccion.TipoViga: its drawing,
    // the captions, the height; Hf, Bf, Hw, Bw back to 0 and the four fields
    // emptied.
    void Preparar();
    // The drawing, captions and height of the project's type, the fields
    // and dimensions untouched (after a project was opened).
    void AjustarAlTipo();

    // Section properties from the four fields into the project.
    void Calculos_Geom();

    // The project's section shown after an opening: type and four texts.
    void CargarSeccion();
    // The four fields emptied (the reset of the program); the stored
    // dimensions keep their values.
    void VaciarCampos();
    // The flange wider than the limit of the beam: the window comes up with
    // bf corrected to the limit (cm), selected.
    void CorregirAncho(float bfMax);

    void cmdSeccionOk_Click();
    void Campo_Change();
    void Campo_KeyPress(QLineEdit* campo);
    void Campo_LostFocus(QLineEdit* campo);

  public slots:
    void reject() override;  // the close box (and Esc)

  private:
    int Validar_Seccion();
    void Disponer(bool conAlma);
    bool EsRectangular() const;
    Seccion& seccion() { return documento_.proyecto().seccion; }
    const Seccion& seccion() const { return documento_.proyecto().seccion; }

    Documento& documento_;
};

}  // namespace korvex::ui
