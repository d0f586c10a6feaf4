// frmGeneral: the main window ("Korvex 2000 v1.0 "). It holds the material
// fields (f'c, fy, cover), the section as defined, the results (stirrups,
// steel grid), the two diagram boxes, the toolbar Barrah and the menus, and
// runs the calculation (cmdCalculos_Click) through the shared workflow of
// the project module. Closing it ends the program.
//
// Three states, told by what is enabled: Inicio (start, reset, New),
// Listo (the section and load windows enabled "Realizar Cálculos") and
// Calculado (a calculation passed its precondition: diagram options, bar
// table, save and print available).
//
// The material fields are the truth for their texts; every edit is copied
// at once into the project (materiales.txtFc, .cboFy, .txtRec), which the
// workflow, the file writer and the report read. The section and load
// windows tell it what happened through the signals of Avisos.
//
// The window's code lies in four files: frmGeneral.cpp (controls, menus,
// toolbar, field checks and what the other windows announce),
// CalculoGeneral.cpp (the calculation), DiagramasGeneral.cpp (plots and the
// read-out under the mouse) and ArchivoGeneral.cpp (open, save, New and the
// reset).
#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolBar;

namespace korvex::ui {

class Lienzo;

class frmGeneral : public QMainWindow {
    Q_OBJECT

  public:
    enum class EstadoVentana { Inicio, Listo, Calculado };

    explicit frmGeneral(QWidget* padre = nullptr);

    // Admissible deflection of the last plot, m, rounded to 3 decimals.
    float DeflexionAdmisible = 0;

    // Material fields.
    QLabel *lblesp, *lblFc, *lblUnd, *lblFy, *lblUnd2, *lblRec, *lblRecu;
    QLineEdit* txtFc;
    QComboBox* cboFy;
    QLineEdit* txtRec;
    QPushButton* cmdUsos;
    // The section as shown by Datos_Seccion.
    QLabel *lblDatos, *Label1, *lblTipo, *lblB, *lblH, *lblbw, *lblhw;
    // Results.
    QGroupBox* frmRespuestas;
    QLabel *lblEstribos, *lblcms;
    QLineEdit* txtEstribos;
    QTableWidget* grdAcero;
    QPushButton* cmdVarillas;
    // Diagrams.
    QGroupBox* frDiagrama;
    QRadioButton* optMomCor;
    QRadioButton* optGirDef;
    QLabel *lbl1, *lbl2;
    Lienzo* pct1;
    Lienzo* pct2;
    QLabel *lblPos, *lblNeg, *lblQmaxp, *lblQmaxn, *lblQp, *lblQn;
    QLabel *lblPos2, *lblNeg2, *lblMmaxp, *lblMmaxn, *lblMp, *lblMn;
    // Commands.
    QProgressBar* PBar;
    QPushButton* cmdReiniciar2;
    QPushButton* cmdCalculos;
    QToolBar* Barrah;
    QMenu *mnuArchivo, *mnuUtilidades, *mnuAyuda;
    QAction *mnuArchivoAbrir, *mnuArchivoNuevo, *mnuArchivoSalvarcomo, *mnuArchivoImprimir,
        *mnuArchivoRaya, *mnuArchivoSalir;
    QAction* mnuUtilidadesArea;
    QAction *mnuAyudaIndice, *mnuAyudaGuia, *mnuAyudaRaya, *mnuAyudaAbout;

    // Toolbar button of a key ("Nuevo", "Abrir", "Salvar", "Imprimir",
    // "Cargas", "Secciones", "Ayuda"); nullptr for another key.
    QAction* Boton(const QString& clave) const;
    // Toolbar dispatch by key; a key other than the seven does nothing.
    void Barrah_ButtonClick(const QString& clave);

    // Handlers.
    void txtFc_LostFocus();
    void txtRec_Change();
    void txtRec_LostFocus();
    void cboFy_Click();
    void cmdCalculos_Click();
    void optMomCor_Click();
    void optGirDef_Click();
    void cmdUsos_Click();
    void cmdVarillas_Click();
    void cmdReiniciar2_Click();
    void mnuArchivoNuevo_Click();  // New, with its question

    // Draws the two diagrams of the chosen option (the boxes are not cleared
    // here); nothing when the beam length is 0.
    void DibujarDiagramas();
    // Clears pct1 and pct2 and empties lblQn, lblQp, lblMn, lblMp.
    void LimpiarDiagramas();
    // The full reset of the program (also New after OK).
    void Reiniciar();

    // After a project was read into the registry's project: writes the
    // material fields, the section window and the load window from it,
    // enables "Cargas", the calculation and the diagram options, shows the
    // section and runs the core's recalculation of an opened project.
    void ProyectoAbierto();
    // Reads a .kvx file into the project and then ProyectoAbierto(); false
    // (after a message) when it cannot be read, the project unchanged.
    bool AbrirArchivo(const QString& archivo);
    // "Abrir" and "Guardar" with their file dialogs.
    void mnuArchivoAbrir_Click();
    void mnuArchivoSalvarcomo_Click();

    // What the section and load windows announce (Avisos).
    void SeccionAceptada();
    void SeccionDescartada();
    void CargasAceptadas(bool calculable);
    void CargasVaciadas(bool reinicio);
    // The section on the window: its type and dimensions as typed.
    void Datos_Seccion();

    EstadoVentana Estado() const;

    // Abscissa (m) under a box position (twips) and the read-out of the
    // diagram drawn there ("x = 2.35 m   M = 12.40 Tn.m"); empty outside the
    // beam or before a calculation.
    QString Lectura(const Lienzo* caja, double xTwips) const;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void CrearControles();
    void CrearMenus();
    void CrearBarra();
    void Disponer();
    void Conectar();
    void MostrarLectura(Lienzo* caja, double xTwips, double yTwips);
    // The calculation of the button, or (abierto) the one that follows the
    // opening of a project.
    void Calcular(bool abierto);
    void Titulos();
    // The start state of the window's own controls (part of the reset).
    void ControlesIniciales();

    bool calculando_ = false;
};

}  // namespace korvex::ui
