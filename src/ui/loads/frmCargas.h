// frmCargas: the load window ("Cargas"). The beam length, the two supports of
// a beam with cantilevers and one load at a time (type, category, position,
// intensity) are typed here; every field is checked when it is left. The
// window keeps the project's load table (shown in `grid`), answers the point
// query (moment and shear left and right of an abscissa, `grid1`) and draws
// the loads to scale in `pctCarga`.
//
// The first added load fixes the beam from the fields. With loads in place
// the length, the supports and the cantilever box stay editable: a change is
// taken when every load and both supports still lie on the new beam (the
// loads keep their abscissas), otherwise refused naming the first load that
// would fall off, the fields back to the beam as it was. Ok hides the window,
// checks the flange width and announces the accepted loads
// (Avisos::CargasAceptadas); the close box hides and unloads it, so the next
// opening restores it from the project.
//
// A load of the table is edited in place: a double click on its row, or
// Enter on the selected row, puts it back into the fields and "Añadir" reads
// "Modificar"; pressing it checks the fields as adding does and replaces that
// row. Esc, another load type, deleting, a reset or closing the window drop
// the edit and leave the row as it was. An edit changes one load only.
//
// The window's code lies in five files: frmCargas.cpp (controls and their
// wiring, layout per load type), CamposCargas.cpp (the field rules),
// TablaCargas.cpp (load table, resets, restoring, point query),
// EdicionCargas.cpp (editing a load in place), GeometriaCargas.cpp (the beam
// changed with loads in place) and CroquisCargas.cpp (the sketch and the
// illustrations).
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "project/Documento.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace korvex::ui {

class Lienzo;

class frmCargas : public QDialog {
    Q_OBJECT

  public:
    explicit frmCargas(Documento& documento, QWidget* padre = nullptr);

    // Entry fields and their labels.
    QLabel *lblL, *lblj, *lblk, *lblA, *lblB, *lblP1, *lblP2;
    QLabel *lbluL, *lbluJ, *lbluK, *lbluA, *lbluB, *lbluP1, *lbluP2;
    QLineEdit *txtL, *txtJ, *txtK, *txtA, *txtB, *txtP1, *txtP2;
    QGroupBox* frCarga;
    QRadioButton *optPuntual, *optDistribuida, *optMomento;
    QGroupBox* frmTipo;
    QRadioButton *optMuerta, *optViva, *Option1;
    QCheckBox* Check_Vuelo;
    // Illustrations: point, distributed, moment; without and with cantilevers.
    Lienzo *Ilustracionp, *Ilustraciond, *Ilustracionm;
    Lienzo *Ilustracionpv, *Ilustraciondv, *Ilustracionmv;
    QLabel* lblNota;
    // Load table.
    QPushButton *cmdAnadir, *cmdBorrar, *cmdReiniciar, *cmdCargasOk;
    QTableWidget* grid;
    // Point query.
    QLabel* lblX;
    QLineEdit* txtX;
    QPushButton* cmdCalc;
    QTableWidget* grid1;
    // Load sketch.
    Lienzo* pctCarga;
    QWidget *Apoyo1, *Apoyo2;

    // Largest admissible flange width of the last Ok, cm.
    float BfMax = 0;

    // The beam line of the sketch, twips of pctCarga.
    static constexpr double kLineaX1 = 495, kLineaX2 = 3367, kLineaY1 = 1275;
    static constexpr double kAnchoSketch = 3860, kAltoSketch = 2040;
    static constexpr double kApoyoIzq = 360, kApoyoDer = 3240, kAnchoApoyo = 270;

    // Public procedures.
    void frmcargasload();
    // The load window's part of the main window's reset.
    void ReiniciarDesdeGeneral();
    // The controls whose state travels in the project file.
    korvex::EstadoVentanaCargas EstadoControles() const;
    void AplicarEstadoControles(const korvex::EstadoVentanaCargas& e);

    // Handlers. The fields share two: Campo_Change (whether "Añadir" is
    // available) and Campo_LostFocus (the check of the field left).
    void optPuntual_Click();
    void optDistribuida_Click();
    void optMomento_Click();
    void Campo_Change(QLineEdit* campo);
    void Campo_LostFocus(QLineEdit* campo);
    void cmdAnadir_Click();
    void cmdBorrar_Click();
    void cmdReiniciar_Click();
    void cmdCargasOk_Click();
    void Check_Vuelo_Click();
    // The user ticked or cleared "Viga con Vuelos" (not the window restoring it).
    void Check_Vuelo_Cambio();
    void cmdCalc_Click();
    void Form_Load();

    // Editing a load of the table in place. EditarCarga puts load `fila`
    // (1..NumCargas) into the fields; CancelarEdicion leaves the row as it
    // was and empties the fields. FilaEnEdicion is 0 when no load is edited.
    void EditarCarga(int fila);
    void CancelarEdicion();
    int FilaEnEdicion() const { return filaEdicion_; }

    // The load sketch of the table (the box is not cleared here).
    void DibujarCargas();
    // Clears the sketch box, leaving the beam line.
    void LimpiarCroquis();
    // Description of the load whose symbol lies under (x, y) twips of the
    // sketch ("Carga 2: Distribuida, Muerta, a = 1.5 m, b = 2 m, P1 = 1,
    // P2 = 3"); empty when there is none.
    QString DescripcionEn(double xTwips, double yTwips) const;
    // Description of load i of the table.
    QString Descripcion(int i) const;

  public slots:
    void reject() override;  // the close box (Form_Unload)

  protected:
    void keyPressEvent(QKeyEvent* e) override;              // Esc cancels an edit
    bool eventFilter(QObject* objeto, QEvent* e) override;  // Enter on a row of grid

  private:
    struct Simbolo {
        double x0, y0, x1, y1;  // twips, bounding box (with a margin)
        int carga;
    };

    void CrearControles();
    void CrearCroquis();  // the illustrations, the sketch box and its supports
    void Disponer();
    void Conectar();
    void DisponerTipo(int tipo);  // 1 point, 2 distributed, 3 moment
    // "Añadir" after a change of `campo`: available or not, or nothing to
    // change (the rules of the window design leave it in some cases).
    std::optional<bool> ReglaAnadir(const QLineEdit* campo) const;
    // The range of a field that passed its number check; false when it
    // showed a message or corrected the field.
    bool RangoCampo(QLineEdit* campo);
    // The refusals of "Añadir" (span, zero distributed load, b of 0), each
    // with its message and its field selected; true when the fields pass.
    bool CamposAceptables();
    // The load of the entry fields on a beam of length `luz` (m).
    Carga CargaDeCampos(float luz) const;
    // After a load was added or replaced: the entry fields emptied, the focus
    // in a, "Añadir" unavailable until the field rules enable it again.
    void VaciarEntrada();
    void ModificarCarga();   // "Modificar": the fields replace the edited row
    void TerminarEdicion();  // the button reads "Añadir" again
    void Llenar_Tabla();
    // The part of an opening shared by Form_Load and frmcargasload: the
    // distributed layout, the modulus 1, and for a table with loads the
    // sketch, the grid and the length. Returns whether loads exist.
    bool RestaurarTabla();
    void Cerrar_Cargas();
    void FijarLuz();           // LuzViga from txtL while the table is empty
    float LuzDeCampo() const;  // m, the number of txtL truncated to cm
    // With loads in place, the beam of the fields (`campo` the one left, or
    // nullptr) becomes the project's when its loads and supports still lie
    // on it; otherwise the message and the fields show the beam as it was.
    // Returns whether the project's beam is that of the fields.
    bool AplicarGeometria(QLineEdit* campo);
    void MostrarGeometria();      // txtL, txtJ and txtK from the project's beam
    void DesbloquearGeometria();  // length, supports and cantilever box editable
    void LiberarViga();      // the controls of an empty table, shared by the three resets
    void LimpiarConsulta();  // the four value cells of grid1
    void Sincronizar();      // project copy of the saved controls
    void AlClic(QLineEdit* campo, bool darFoco);
    void AlEntrar(QLineEdit* campo);  // txtJ / txtK got-focus rule
    void Siguiente(QLineEdit* campo);

    EstadoProyecto& estado() { return documento_.proyecto().estado; }
    const EstadoProyecto& estado() const { return documento_.proyecto().estado; }

    Documento& documento_;
    std::vector<Simbolo> simbolos_;
    int filaEdicion_ = 0;  // row of the load being edited, 0 for none
};

}  // namespace korvex::ui
