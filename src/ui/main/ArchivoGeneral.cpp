// frmGeneral: opening and saving projects through the file dialogs "Abrir"
// and "Guardar" (filter "Korvex (*.kvx)", extension kvx added when missing),
// the calculation report to a PDF, New with its questions, the reset of the
// whole program and the start state of the window's controls.
//
// Every dialog proposes the project's folder and name with its extension
// (a project never saved: the last folder used, else the user's home, and
// "viga.kvx" / "viga.pdf"); the status bar confirms each file written.
// Saving and the report go through atomic writers: a failure says why and
// leaves the old file as it was.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>

#include "project/ArchivoKvx.h"
#include "ui/common/Colores.h"
#include "ui/common/Deshacer.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/common/Rejilla.h"
#include "ui/common/RutaPropuesta.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/MemoriaPdf.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr const char* kFiltro = "Korvex (*.kvx)";
constexpr const char* kTituloMemoria = "Error al escribir la memoria de cálculo";
// How long the confirmation of a file written stays in the status bar, ms.
constexpr int kMensajeEstado = 8000;

// One file dialog (Qt's own widget dialog, the same on every desktop):
// title, filter and extension; for saving, the name proposed in the folder.
struct Dialogo {
    const char* nombre;  // objectName
    QString titulo;
    QString filtro;
    QString sufijo;
    bool guardar;
};

QString Elegir(QWidget* padre, const Dialogo& d, const QString& propuesto) {
    const QFileInfo f(propuesto);
    QFileDialog dlg(padre, d.titulo, f.absolutePath(), d.filtro);
    dlg.setObjectName(d.nombre);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setDefaultSuffix(d.sufijo);
    if (d.guardar) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.selectFile(f.fileName());
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
        if (f.isFile()) dlg.selectFile(f.fileName());
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().constFirst();
}

const Dialogo kAbrir{"dlgAbrir", "Abrir", kFiltro, "kvx", false};
const Dialogo kGuardar{"dlgGuardar", "Guardar", kFiltro, "kvx", true};
const Dialogo kMemoria{"dlgMemoria", QString::fromUtf8("Memoria de cálculo"), "PDF (*.pdf)", "pdf",
                       true};

}  // namespace

void frmGeneral::mnuArchivoAbrir_Click() {
    if (!ConfirmarDescarte()) return;
    const QString archivo = Elegir(this, kAbrir, RutaPropuesta(Archivo(), CarpetaUsada(), "kvx"));
    if (!archivo.isEmpty()) AbrirArchivo(archivo);
}

void frmGeneral::mnuArchivoSalvarcomo_Click() {
    GuardarComo();
}

bool frmGeneral::GuardarComo() {
    const QString propuesto = RutaPropuesta(Archivo(), CarpetaUsada(), "kvx");
    const QString archivo = Elegir(this, kGuardar, propuesto);
    return !archivo.isEmpty() && GuardarEn(archivo);
}

bool frmGeneral::GuardarEn(const QString& archivo) {
    Proyecto& p = documento_.proyecto();
    if (frmCargas* c = Registro::Instancia().SiExiste<frmCargas>()) {
        p.ventana = c->EstadoControles();
    }
    if (std::optional<Mensaje> m = GuardarArchivoKvx(archivo.toStdString(), p)) {
        Adaptador().MostrarMensaje(*m);
        return false;
    }
    RecordarCarpeta(archivo);
    FijarArchivo(archivo);
    AgregarReciente(archivo);
    statusBar()->showMessage("Proyecto guardado en " + QDir::toNativeSeparators(archivo),
                             kMensajeEstado);
    return true;
}

void frmGeneral::mnuArchivoGuardar_Click() {
    // Ctrl+S: the project's own file without a question; a project never
    // saved asks for one.
    const QString actual = Archivo();
    if (actual.isEmpty()) {
        GuardarComo();
    } else {
        GuardarEn(actual);
    }
}

void frmGeneral::mnuArchivoMemoria_Click() {
    const QString actual = Archivo();
    const QString ruta = Elegir(this, kMemoria, RutaPropuesta(actual, CarpetaUsada(), "pdf"));
    if (ruta.isEmpty()) return;
    const QString nombre = actual.isEmpty() ? QString() : QFileInfo(actual).fileName();
    const QString error =
        EscribirMemoria(documento_.proyecto(), documento_.resultado(), ruta, nombre);
    if (!error.isEmpty()) {
        MostrarMensaje(error.toStdString(), kTituloMemoria, kEstiloCritico);
        return;
    }
    RecordarCarpeta(ruta);
    statusBar()->showMessage("Memoria guardada en " + QDir::toNativeSeparators(ruta),
                             kMensajeEstado);
}

bool frmGeneral::AbrirArchivo(const QString& archivo) {
    Proyecto leido = documento_.proyecto();
    if (std::optional<Mensaje> m = LeerArchivoKvx(archivo.toStdString(), leido)) {
        Adaptador().MostrarMensaje(*m);
        return false;
    }
    documento_.proyecto() = std::move(leido);
    ProyectoAbierto();
    // The project as opened (and recalculated) is the file's.
    RecordarCarpeta(archivo);
    FijarArchivo(archivo);
    AgregarReciente(archivo);
    // Another project: the steps of the previous one cannot be undone here.
    historial_->Vaciar();
    return true;
}

void frmGeneral::ProyectoAbierto() {
    // Another project: the results on screen are compared with nothing until
    // its own calculation has run.
    FijarCalculados(false);
    const Proyecto& p = documento_.proyecto();
    const Materiales m = p.materiales;  // each text written back updates the project
    txtFc->setText(Q(m.txtFc));
    cboFy->setCurrentText(Q(m.cboFy));
    txtRec->setText(Q(m.txtRec));
    chkAlternancia->setChecked(p.estado.AlternanciaViva);
    MostrarNorma();
    frmSeccion* sec = Ventana<frmSeccion>();
    sec->CargarSeccion();

    // The file holds a section: the window as after the section's OK, with
    // the calculation and the diagram choice available.
    SeccionAceptada();
    cmdCalculos->setEnabled(true);
    optMomCor->setEnabled(true);
    optGirDef->setEnabled(true);
    frmCargas* cargas = Ventana<frmCargas>();
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
    MostrarAviso();
    // The core's steps of an opening: modulus, section properties, calculation.
    Calcular(true);
}

void frmGeneral::cmdReiniciar2_Click() {
    Reiniciar();
}

void frmGeneral::mnuArchivoNuevo_Click() {
    // The program's question first; then, for a changed project, whether to
    // save it before it is cleared.
    if (MostrarMensaje("Esta seguro de que desea abrir un archivo nuevo ?!?", "Documento Nuevo",
                       kEstiloPregunta) == kRespuestaOk &&
        ConfirmarDescarte()) {
        Reiniciar();
    }
}

void frmGeneral::Reiniciar() {
    Proyecto& p = documento_.proyecto();
    documento_.ReiniciarGeneral();  // the results' notice goes as well
    p.seccion.TipoViga.clear();
    PBar->setValue(0);
    if (frmCargas* c = Registro::Instancia().SiExiste<frmCargas>()) c->ReiniciarDesdeGeneral();
    ControlesIniciales();
    FijarCalculados(false);
    // The section's four fields (its stored dimensions keep their values).
    if (frmSeccion* s = Registro::Instancia().SiExiste<frmSeccion>()) s->VaciarCampos();
    p.seccion.txtB.clear();
    p.seccion.txtH.clear();
    p.seccion.txtBw.clear();
    p.seccion.txtHw.clear();
    // A new project, without a file nor history.
    FijarArchivo({});
    historial_->Vaciar();
}

// ---- Start state ----------------------------------------------------------

void frmGeneral::ControlesIniciales() {
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) EscribirCelda(grdAcero, r, c, "");
    }
    mnuArchivoSalvarcomo->setEnabled(false);
    mnuArchivoImprimir->setEnabled(false);
    mnuArchivoMemoria->setEnabled(false);
    // A new project designs for the worst live-load arrangement: the option
    // on in the project, then on the box (which then changes nothing more),
    // and no notice.
    documento_.proyecto().estado.AlternanciaViva = true;
    chkAlternancia->setChecked(true);
    MostrarAviso();
    // The classic rules and no sustained live load, as the reset left them.
    MostrarNorma();
    lblNorma->clear();
    lblTipo->setText("Tipo de Viga: ");
    lblB->setText("b: ");
    lblH->setText("h: ");
    lblbw->setText("bw: ");
    lblhw->setText("hw: ");
    lblbw->setVisible(false);
    lblhw->setVisible(false);
    optMomCor->setChecked(true);
    lbl1->setText(kEscala);
    lbl2->setText(kEscala);
    lblMmaxn->setText("Mmax:");
    lblMmaxp->setText("Mmax:");
    lblQmaxp->setText("Qmax:");
    lblQmaxn->setText("Qmax:");
    for (QLabel* l : {lblQmaxp, lblQmaxn, lblQp, lblQn}) l->setVisible(true);
    optMomCor->setEnabled(false);
    optGirDef->setEnabled(false);
    txtEstribos->clear();
    for (const char* clave : {"Cargas", "Imprimir", "Salvar"}) Boton(clave)->setEnabled(false);
    LimpiarDiagramas();
    cmdCalculos->setEnabled(false);
    cmdVarillas->setEnabled(false);
}

frmGeneral::EstadoVentana frmGeneral::Estado() const {
    // Results on screen, current or greyed while out of date.
    const bool resultados = cmdVarillas->isEnabled() || documento_.Desactualizado();
    if (mnuArchivoSalvarcomo->isEnabled() && optMomCor->isEnabled() && resultados) {
        return EstadoVentana::Calculado;
    }
    return cmdCalculos->isEnabled() ? EstadoVentana::Listo : EstadoVentana::Inicio;
}

}  // namespace korvex::ui
