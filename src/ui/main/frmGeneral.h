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
// The window owns the document of the running program (Documento: the
// project, its file, the saved image of its data and the data of the last
// calculation's results) and hands it to every window it opens that reads
// or writes the project (Ventana<T>()).
//
// The material fields are the truth for their texts; every edit is copied
// at once into the project (materiales.txtFc, .cboFy, .txtRec), which the
// workflow, the file writer and the report read. The section and load
// windows tell it what happened through the signals of Avisos.
//
// The project shown has a file (the one opened or saved last; none after
// New, the reset or at start) and is "changed" while its data (DatosProyecto:
// what the engineer typed or chose and the file keeps) differ from those of
// that moment (the document's saved image). The title names the file, with
// an asterisk while changed; closing, New and every way of opening another
// project first ask whether to save the changes.
//
// The results on screen are "out of date" while the data differ from those
// they were calculated with (DatosCalculados, taken when a calculation runs
// to its end): the notice lblDesactualizado shows, the diagrams and result
// fields are greyed, and printing and the calculation report wait for the
// next calculation; saving stays available. An opening, New and the reset
// forget the calculated data.
//
// A new project (at start without a file, New, the reset) designs for the
// worst live-load arrangement: the option starts ticked. An opened project
// takes the file's value.
//
// The window's code lies in ten files: frmGeneral.cpp (controls, menus,
// toolbar), TecladoGeneral.cpp (shortcuts and tab order),
// AvisosGeneral.cpp (what the other windows announce, the section shown),
// CalculoGeneral.cpp (field checks, the calculation and the live-load
// arrangements option), NormaGeneral.cpp (the design rules, the
// sustained live load and the stirrup bar), RecubrimientoGeneral.cpp (the
// clear cover and the user's bars), DiagramasGeneral.cpp (plots, their sign
// labels and the read-out under the mouse), ArchivoGeneral.cpp (open, save,
// the calculation report, New, the reset and the start state),
// CambiosGeneral.cpp (the project's file, its changes, the title, the
// question to save and the results out of date), RecientesGeneral.cpp
// (recent projects and dropped files), DeshacerGeneral.cpp (the Edit
// menu: undo and redo) and DespieceGeneral.cpp (the bar schedule's command).
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>

#include "project/Documento.h"
#include "ui/common/Registro.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;
class QToolBar;

namespace korvex::ui {

class Historial;
class Lienzo;

class frmGeneral : public QMainWindow {
    Q_OBJECT

  public:
    enum class EstadoVentana { Inicio, Listo, Calculado };

    explicit frmGeneral(QWidget* padre = nullptr);
    // Stops the history from following the focus: while the window's fields
    // are destroyed they lose the focus, and the project the history reads
    // is already gone.
    ~frmGeneral() override;

    // The document of the running program.
    Documento& documento() { return documento_; }
    // The window of class T that works on this window's document, created
    // with it on first use.
    template <class T>
    T* Ventana() {
        return Registro::Instancia().Ventana<T>(documento_);
    }

    // The window's caption; the title adds the project's file to it.
    static constexpr const char* kTitulo = "Korvex 2000 v1.0 ";
    // The titles of the diagram boxes before a calculation.
    static constexpr const char* kEscala = "Diagrama a Escala";

    // Material fields.
    QLabel *lblesp, *lblFc, *lblUnd, *lblFy, *lblUnd2, *lblRec, *lblRecu;
    QLineEdit* txtFc;
    QComboBox* cboFy;
    QLineEdit* txtRec;
    // The clear cover, cm, from the face to the stirrups (the bars' placing).
    QLabel* lblRecLibre;
    QLineEdit* txtRecLibre;
    QPushButton* cmdUsos;
    // Live-load arrangements: design for the worst arrangement (envelope).
    QCheckBox* chkAlternancia;
    // The project's design rules and the sustained part of its live load
    // (read only by the ACI 318-19 rules, so enabled only with them).
    QLabel *lblNormaDiseno, *lblVivaSostenida;
    QComboBox* cboNorma;
    QLineEdit* txtVivaSostenida;
    // The project's stirrup bar, "3/8\"" or "1/2\""; no item chosen until the
    // first calculation that designs stirrups asks for it.
    QLabel* lblDiamEstribo;
    QComboBox* cboEstribo;
    // The section as shown by Datos_Seccion.
    QLabel *lblDatos, *Label1, *lblTipo, *lblB, *lblH, *lblbw, *lblhw;
    // Results.
    QGroupBox* frmRespuestas;
    QLabel *lblEstribos, *lblcms;
    QLineEdit* txtEstribos;
    QTableWidget* grdAcero;
    QPushButton* cmdVarillas;
    // The bar schedule and drawing (frmDespiece): enabled while the results
    // on screen are current and their design has a schedule.
    QPushButton* cmdDespiece;
    // The notice of the arrangements (empty and hidden when there is none).
    QLabel* lblAlternancia;
    // The notice of results out of date (hidden while they are current).
    QLabel* lblDesactualizado;
    // The rules the results on screen were calculated with ("Norma: Clásica").
    QLabel* lblNorma;
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
    QMenu *mnuArchivo, *mnuEdicion, *mnuUtilidades, *mnuAyuda;
    QAction *mnuArchivoAbrir, *mnuArchivoNuevo, *mnuArchivoSalvarcomo, *mnuArchivoImprimir,
        *mnuArchivoMemoria, *mnuArchivoRaya, *mnuArchivoSalir;
    // "Guardar cambios" (Ctrl+S): the project's own file, or the dialog when
    // it has none; "Guardar" (Ctrl+Shift+S) always asks.
    QAction* mnuArchivoGuardar;
    // The recent projects ("&1 viga.kvx" ...), hidden when unused, and the
    // separator that closes them.
    static constexpr int kRecientes = 5;
    std::array<QAction*, kRecientes> mnuArchivoReciente{};
    QAction* mnuArchivoRaya2;
    // Undo and redo of the project's changes, each naming its step
    // ("Deshacer «Borrar carga 3»"); plain and disabled when there is none.
    QAction *mnuEdicionDeshacer, *mnuEdicionRehacer;
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
    void chkAlternancia_Click();
    void cboNorma_Click();
    void txtVivaSostenida_LostFocus();
    void cboEstribo_Click();
    void txtRecLibre_LostFocus();
    // The bar window stored the user's bars in the project: the results follow.
    void BarrasCambiadas();
    void cmdCalculos_Click();
    void optMomCor_Click();
    void optGirDef_Click();
    void cmdUsos_Click();
    void cmdVarillas_Click();
    void cmdDespiece_Click();
    void cmdReiniciar2_Click();
    void mnuArchivoNuevo_Click();  // New, with its question

    // Draws the two diagrams of the chosen option (the boxes are not cleared
    // here); nothing when the beam length is 0.
    void DibujarDiagramas();
    // Clears pct1 and pct2 and empties lblQn, lblQp, lblMn, lblMp.
    void LimpiarDiagramas();
    // The full reset of the program (also New after OK).
    void Reiniciar();

    // After a project was read into the document: writes the
    // material fields, the section window and the load window from it,
    // enables "Cargas", the calculation and the diagram options, shows the
    // section and runs the core's recalculation of an opened project.
    void ProyectoAbierto();
    // Reads a .kvx file into the project and then ProyectoAbierto(); false
    // (after a message) when it cannot be read, the project unchanged.
    bool AbrirArchivo(const QString& archivo);
    // "Abrir" and "Guardar" with their file dialogs; "Memoria de cálculo…"
    // writes the calculation report to the PDF the save dialog names.
    void mnuArchivoAbrir_Click();
    void mnuArchivoSalvarcomo_Click();
    void mnuArchivoGuardar_Click();
    void mnuArchivoMemoria_Click();
    // Opens recent project n (1..5): a file that no longer exists is said so
    // and leaves the list.
    void mnuArchivoReciente_Click(int n);
    // Opens a file the user named (a recent one, a dropped one): the question
    // to save the changes first, then as "Abrir" does.
    bool AbrirOtro(const QString& archivo);

    // The question "¿Desea guardar los cambios del proyecto?" when the
    // project changed: true to go on (Sí and a save that succeeded, or No),
    // false to leave everything as it was (Cancelar, or the save failed or
    // was cancelled). Without changes, true with no question.
    bool ConfirmarDescarte();
    // Saves the project to `archivo`; false (after the writer's message) when
    // it could not. It becomes the project's file, unchanged, and recent.
    bool GuardarEn(const QString& archivo);
    // The save dialog (proposing the project's file), then GuardarEn; false
    // when cancelled or refused.
    bool GuardarComo();
    // The caption and the file's name, with "*" while changed.
    void ActualizarTitulo();
    // Shows the results as current or out of date (notice, greyed results,
    // printing and the calculation report).
    void MarcarDesactualizado();
    // The recent projects, newest first, as kept in the settings.
    static QStringList Recientes();

    // What the section and load windows announce (Avisos).
    void SeccionAceptada();
    void SeccionDescartada();
    void CargasAceptadas(bool calculable);
    void CargasVaciadas(bool reinicio);
    // The section on the window: its type and dimensions as typed.
    void Datos_Seccion();

    EstadoVentana Estado() const;

    // The undo history of the open project (DeshacerGeneral.cpp).
    Historial& historial() { return *historial_; }

    // Abscissa (m) under a box position (twips) and the read-out of the
    // diagram drawn there ("x = 2.35 m   M = 12.40 Tn.m"; with the live-load
    // arrangements on, the envelope follows: "   envolvente: -1.20 a 13.05
    // Tn.m"); empty outside the beam or before a calculation.
    QString Lectura(const Lienzo* caja, double xTwips) const;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    void CrearControles();
    void CrearMenus();
    void CrearBarra();
    // The Edit menu, its keys (here and in the load and section windows)
    // and the history behind it.
    void CrearEdicion();
    // After an undo or redo: every window shows the project's data again, as
    // after an opening but without calculating.
    void MostrarRestaurado();
    // The keyboard (TecladoGeneral.cpp): the menus' shortcuts, F5 for the
    // calculation and the order of the Tab key.
    void CrearAtajos();
    void Disponer();
    void Conectar();
    void MostrarLectura(Lienzo* caja, double xTwips, double yTwips);
    // The calculation of the button, or (abierto) the one that follows the
    // opening of a project.
    void Calcular(bool abierto);
    // The results of a calculation that ran to its end: diagrams, their
    // titles and values, stirrups, steel, the bar table and the commands
    // that need results.
    void MostrarResultados();
    void Titulos();
    // The sign labels of the lower box on the side where each sign is drawn.
    void ColocarSignos();
    // The start state of the window's own controls (part of the reset).
    void ControlesIniciales();
    // The notice of the arrangements from the project's state.
    void MostrarAviso();
    // The options' controls (NormaGeneral.cpp): made with their connections,
    // set from the project's options, and the caption of the rules of the
    // result just shown.
    void CrearNorma();
    void MostrarNorma();
    void MostrarEstribo();  // cboEstribo from the project's bar
    void MostrarNormaResultados();
    // The schedule's command (DespieceGeneral.cpp): made beside the bar
    // table's, and enabled (with an open schedule window told) as the
    // results on screen are current and carry a schedule.
    void CrearDespiece();
    void HabilitarDespiece();
    // The clear cover's controls (RecubrimientoGeneral.cpp), placed in row
    // `fila` of the data grid, and shown from the project's value (with the
    // user's bars of an open bar window).
    void CrearRecubrimientoLibre(QGridLayout* datos, int fila);
    void MostrarRecubrimientoLibre();
    // The project is now the one of `archivo` ("" none), as it stands; the
    // title follows.
    void FijarArchivo(const QString& archivo);
    // The project's file ("" when none).
    QString Archivo() const;
    // The title and the results' mark follow the user's input and what the
    // other windows announce.
    void SeguirCambios();
    // The results on screen were calculated with the project's data as they
    // stand (`calculados`), or there are none to compare (false); the mark
    // follows.
    void FijarCalculados(bool calculados);
    void AgregarReciente(const QString& archivo);
    void ActualizarRecientes();
    // The .kvx file a drag carries, or "" (then the drop is refused).
    static QString ArchivoArrastrado(const QMimeData* datos);
    // A .kvx dragged over one of the window's fields, taken by the window.
    bool ArrastreEnCampo(QObject* objeto, QEvent* e);

    Documento documento_;
    bool calculando_ = false;
    QTimer* titulo_;  // the title brought up to date after the user's input
    Historial* historial_ = nullptr;
};

}  // namespace korvex::ui
