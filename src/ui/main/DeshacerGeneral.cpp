// frmGeneral: the Edit menu ("&Edición"), undo and redo of the project's
// changes. The menu items name the step they undo or redo ("Deshacer «Borrar
// carga 3»") and read plain "Deshacer" / "Rehacer", disabled, when there is
// none. Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, here and in the load and
// section windows; a text field being edited keeps these keys for its own
// text. New, the reset and every opening clear the history.
//
// An undone or redone step is shown as an opening shows a project, without
// its calculation: the results on screen stay those of the last calculation,
// out of date unless the data are back to those they were calculated with.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

#include "ui/common/Avisos.h"
#include "ui/common/Deshacer.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {

namespace {

// "Deshacer «Borrar carga 3»", or the plain verb when there is no step.
QString TextoPaso(const char* verbo, const QString& paso) {
    return paso.isEmpty() ? QString(verbo) : QString::fromUtf8("%1 «%2»").arg(verbo, paso);
}

}  // namespace

void frmGeneral::CrearEdicion() {
    historial_ = new Historial(
        documento_, [this] { MostrarRestaurado(); }, this);
    historial_->FijarEnCurso([] {
        const frmSeccion* s = Registro::Instancia().SiExiste<frmSeccion>();
        return s != nullptr && s->isVisible();
    });
    mnuEdicion = menuBar()->addMenu(QString::fromUtf8("&Edición"));
    mnuEdicion->setObjectName("mnuEdicion");
    mnuEdicionDeshacer = mnuEdicion->addAction("Deshacer");
    mnuEdicionDeshacer->setObjectName("mnuEdicionDeshacer");
    mnuEdicionDeshacer->setShortcut(QKeySequence("Ctrl+Z"));
    mnuEdicionRehacer = mnuEdicion->addAction("Rehacer");
    mnuEdicionRehacer->setObjectName("mnuEdicionRehacer");
    mnuEdicionRehacer->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    for (QAction* a : {mnuEdicionDeshacer, mnuEdicionRehacer}) a->setEnabled(false);
    mnuEdicionDeshacer->setStatusTip(
        QString::fromUtf8("Deshace el último cambio de los datos del proyecto (Ctrl+Z)"));
    mnuEdicionRehacer->setStatusTip(
        QString::fromUtf8("Vuelve a hacer el último cambio deshecho (Ctrl+Y)"));

    QUndoStack* pila = historial_->pila();
    connect(pila, &QUndoStack::canUndoChanged, mnuEdicionDeshacer, &QAction::setEnabled);
    connect(pila, &QUndoStack::canRedoChanged, mnuEdicionRehacer, &QAction::setEnabled);
    connect(pila, &QUndoStack::undoTextChanged, this,
            [this](const QString& t) { mnuEdicionDeshacer->setText(TextoPaso("Deshacer", t)); });
    connect(pila, &QUndoStack::redoTextChanged, this,
            [this](const QString& t) { mnuEdicionRehacer->setText(TextoPaso("Rehacer", t)); });
    connect(mnuEdicionDeshacer, &QAction::triggered, historial_, &Historial::Deshacer);
    connect(mnuEdicionRehacer, &QAction::triggered, historial_, &Historial::Rehacer);
    Avisos& avisos = Avisos::Instancia();
    connect(&avisos, &Avisos::PedirDeshacer, historial_, &Historial::Deshacer);
    connect(&avisos, &Avisos::PedirRehacer, historial_, &Historial::Rehacer);
    // A change made just before the menu opens is named in it; leaving a
    // field ends the step of its keystrokes.
    connect(mnuEdicion, &QMenu::aboutToShow, historial_, [this] { historial_->Registrar(); });
    connect(qApp, &QApplication::focusChanged, historial_, [this] {
        historial_->Registrar();
        historial_->Cortar();
    });
}

frmGeneral::~frmGeneral() {
    if (historial_ != nullptr) disconnect(qApp, nullptr, historial_, nullptr);
}

void frmGeneral::MostrarRestaurado() {
    const Proyecto p = documento_.proyecto();  // each text written back updates the project
    txtFc->setText(QString::fromStdString(p.materiales.txtFc));
    cboFy->setCurrentText(QString::fromStdString(p.materiales.cboFy));
    txtRec->setText(QString::fromStdString(p.materiales.txtRec));
    chkAlternancia->setChecked(p.estado.AlternanciaViva);
    MostrarNorma();
    Ventana<frmUsos>()->ElegirUso(p.materiales.UsoDeflexion);
    const bool seccion = !p.seccion.TipoViga.empty();
    if (frmSeccion* s = Registro::Instancia().SiExiste<frmSeccion>()) s->CargarSeccion();
    Datos_Seccion();
    if (seccion) SeccionAceptada();
    if (frmCargas* c = Registro::Instancia().SiExiste<frmCargas>()) {
        // A load being edited in place is left as it was before the table
        // changes under it.
        if (c->FilaEnEdicion() != 0) c->CancelarEdicion();
        c->AplicarEstadoControles(p.ventana);
        c->frmcargasload();
    }
    cmdCalculos->setEnabled(seccion && p.estado.NumCargas >= 1);
    MarcarDesactualizado();
    ActualizarTitulo();
}

}  // namespace korvex::ui
