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
// "Abrir…" reads the vertices from a text file (one "x,y" a line) into the
// list, then draws and calculates them. The tool keeps its own history of
// the vertex list (each vertex added, the last one deleted, the reset, each
// file opened): Ctrl+Z undoes a step and Ctrl+Y or Ctrl+Shift+Z redoes it,
// while a coordinate field with text keeps the keys for its own text.
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
class QUndoStack;

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
    QPushButton* cmdAbrir;

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
    // "Abrir…": the file dialog, then AbrirVertices.
    void cmdAbrir_Click();
    // Reads the vertex file `archivo` into the tool as one step of its
    // history; a file that cannot be read, or a line that is not a vertex,
    // is refused with a message naming it and the list is left as it was.
    bool AbrirVertices(const QString& archivo);
    // The history of the vertex list.
    QUndoStack* historial() const { return historial_; }
    // The vertex list (and the figure) set to `v` as a step of the history
    // restores it: the results and the drawing cleared until "Dibujar".
    void PonerVertices(const std::vector<Vertice>& v);

    // Computation and display of the results (needs three vertices).
    // Returns true when the figure could be computed.
    bool Calculos_Geom();

  protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    void AgregarLinea(const Vertice& v);
    void MedirCaja();
    void Dibujar();
    // The list, the figure, the drawing and the results emptied.
    void Vaciar();
    // Records the change of the vertex list from `antes` to the present list
    // as a step named `nombre` (nothing when the list did not change).
    void Registrar(const QString& nombre, const std::vector<Vertice>& antes);
    void CrearHistorial();
    // Whether the key event `e` sent to `objeto` is Ctrl+Z, Ctrl+Y or
    // Ctrl+Shift+Z on an empty coordinate field (then the tool's history
    // takes it).
    bool TeclaDeHistorial(QObject* objeto, QEvent* e) const;

    Poligono figura_;
    double Wc_ = 0, Hc_ = 0;  // twips
    // What Picture1 shows, kept to redraw it when the box is resized.
    std::vector<Vertice> dibujo_;
    double XcgDibujo_ = 0, YcgDibujo_ = 0;
    QUndoStack* historial_ = nullptr;
};

}  // namespace korvex::ui
