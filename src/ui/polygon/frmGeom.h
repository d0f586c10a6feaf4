// frmGeom: area, centroid and moment of inertia of a polygonal section.
//
// The user types the vertices in order around the perimeter (x in TextX,
// Enter, y in TextY, Enter); "Dibujar" (or a double click on the drawing)
// computes the figure with the polygon core and draws it centred and to
// scale in Picture1, with the centroid as a red point. The window is
// non-modal and lives in the registry: "Ok" and the close box only hide it,
// so the vertex table survives until the program ends, and showing it again
// (Form_Load) rebuilds the coordinate list and redraws the figure.
//
// Picture1 works in twips; its logical size follows the widget's size, so
// the drawing box grows with the window and Wc, Hc (half its width and
// height) follow it.
#pragma once

#include <QWidget>
#include <vector>

#include "polygon/Poligono.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvex::ui {

class Lienzo;

class frmGeom : public QWidget {
    Q_OBJECT

  public:
    explicit frmGeom(QWidget* padre = nullptr);

    QLineEdit* TextX;
    QLineEdit* TextY;
    QListWidget* lstCord;
    Lienzo* Picture1;
    QLineEdit* txtArea;
    QLineEdit* txtXcg;
    QLineEdit* txtYcg;
    QLineEdit* txtIx;
    QLabel* lblArea;
    QLabel* lblXcg;
    QLabel* lblYcg;
    QLabel* lblInercia;
    QLabel* lblCg;
    QPushButton* cmdBorrar;
    QPushButton* Lineas_btn;
    QPushButton* cmdReiniciar;
    QPushButton* cmdOk;

    // The vertex table (in the order the last calculation left it).
    const Poligono& Figura() const { return figura_; }

    // Half the width and height of Picture1, twips.
    double Wc() const { return Wc_; }
    double Hc() const { return Hc_; }

    void TextX_KeyPress();
    void TextY_KeyPress();
    void TextX_Click();
    void TextY_Click();
    void cmdBorrar_Click();
    void cmdReiniciar_Click();
    void Lineas_btn_Click();
    void Picture1_DblClick();
    void Form_Load();
    void cmdOk_Click();

    // Computation and display of the results (needs three vertices).
    // Returns true when the figure could be computed.
    bool Calculos_Geom();

  protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    void AgregarLinea(const Vertice& v);
    void MedirCaja();
    void Dibujar();

    Poligono figura_;
    double Wc_ = 0, Hc_ = 0;  // twips
    // What Picture1 shows, kept to redraw it when the box is resized.
    std::vector<Vertice> dibujo_;
    double XcgDibujo_ = 0, YcgDibujo_ = 0;
};

}  // namespace korvex::ui
