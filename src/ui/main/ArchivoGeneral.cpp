// frmGeneral: opening and saving projects through the file dialogs "Abrir"
// and "Guardar" (filter "Korvex (*.kvx)", extension kvx added when missing),
// New with its question, and the reset of the whole program.
//
// The dialogs start in the folder of the last project opened or saved, kept
// with QSettings, else the user's documents folder. Saving goes through the
// atomic writer: a failed save says why and leaves the old file as it was.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>

#include "project/ArchivoKvx.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr const char* kFiltro = "Korvex (*.kvx)";
constexpr const char* kClaveCarpeta = "archivos/carpeta";

QString CarpetaInicial() {
    const QString guardada = QSettings().value(kClaveCarpeta).toString();
    if (!guardada.isEmpty() && QDir(guardada).exists()) return guardada;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QDir::homePath() : docs;
}

void RecordarCarpeta(const QString& archivo) {
    QSettings().setValue(kClaveCarpeta, QFileInfo(archivo).absolutePath());
}

// Runs the file dialog (Qt's own widget dialog, the same on every desktop).
QString Elegir(QWidget* padre, bool guardar) {
    QFileDialog dlg(padre, guardar ? "Guardar" : "Abrir", CarpetaInicial(), kFiltro);
    dlg.setObjectName(guardar ? "dlgGuardar" : "dlgAbrir");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setDefaultSuffix("kvx");
    if (guardar) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().constFirst();
}

}  // namespace

void frmGeneral::mnuArchivoAbrir_Click() {
    const QString archivo = Elegir(this, false);
    if (archivo.isEmpty()) return;
    if (AbrirArchivo(archivo)) RecordarCarpeta(archivo);
}

void frmGeneral::mnuArchivoSalvarcomo_Click() {
    const QString archivo = Elegir(this, true);
    if (archivo.isEmpty()) return;
    Proyecto& p = ProyectoActual();
    if (frmCargas* c = Registro::Instancia().SiExiste<frmCargas>()) {
        p.ventana = c->EstadoControles();
    }
    if (std::optional<Mensaje> m = GuardarArchivoKvx(archivo.toStdString(), p)) {
        Adaptador().MostrarMensaje(*m);
        return;
    }
    RecordarCarpeta(archivo);
}

bool frmGeneral::AbrirArchivo(const QString& archivo) {
    Proyecto leido = ProyectoActual();
    if (std::optional<Mensaje> m = LeerArchivoKvx(archivo.toStdString(), leido)) {
        Adaptador().MostrarMensaje(*m);
        return false;
    }
    ProyectoActual() = std::move(leido);
    ProyectoAbierto();
    return true;
}

void frmGeneral::ProyectoAbierto() {
    const Proyecto& p = ProyectoActual();
    const Materiales m = p.materiales;  // each text written back updates the project
    txtFc->setText(Q(m.txtFc));
    cboFy->setCurrentText(Q(m.cboFy));
    txtRec->setText(Q(m.txtRec));
    frmSeccion* sec = Registro::Instancia().Ventana<frmSeccion>();
    sec->CargarSeccion();

    // The file holds a section: the window as after the section's OK, with
    // the calculation and the diagram choice available.
    SeccionAceptada();
    cmdCalculos->setEnabled(true);
    optMomCor->setEnabled(true);
    optGirDef->setEnabled(true);
    frmCargas* cargas = Registro::Instancia().Ventana<frmCargas>();
    cargas->AplicarEstadoControles(p.ventana);
    cargas->frmcargasload();
    // Nothing of the previous project may stay on screen: a project without
    // loads is not calculated, and a refused calculation leaves no results.
    LimpiarDiagramas();
    txtEstribos->clear();
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) EscribirCelda(grdAcero, r, c, "");
    }
    Boton("Imprimir")->setEnabled(false);
    mnuArchivoImprimir->setEnabled(false);
    // The core's steps of an opening: modulus, section properties, calculation.
    Calcular(true);
}

void frmGeneral::cmdReiniciar2_Click() {
    Reiniciar();
}

void frmGeneral::mnuArchivoNuevo_Click() {
    if (MostrarMensaje("Esta seguro de que desea abrir un archivo nuevo ?!?", "Documento Nuevo",
                       kEstiloPregunta) == kRespuestaOk) {
        Reiniciar();
    }
}

void frmGeneral::Reiniciar() {
    Proyecto& p = ProyectoActual();
    ReiniciarGeneral(p.estado);
    p.seccion.TipoViga.clear();
    PBar->setValue(0);
    if (frmCargas* c = Registro::Instancia().SiExiste<frmCargas>()) c->ReiniciarDesdeGeneral();
    ControlesIniciales();
    // The section's four fields (its stored dimensions keep their values).
    if (frmSeccion* s = Registro::Instancia().SiExiste<frmSeccion>()) s->VaciarCampos();
    p.seccion.txtB.clear();
    p.seccion.txtH.clear();
    p.seccion.txtBw.clear();
    p.seccion.txtHw.clear();
}

}  // namespace korvex::ui
