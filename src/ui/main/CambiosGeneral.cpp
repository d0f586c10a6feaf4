// frmGeneral: the project's file and its changes. The title names the file
// after the caption, joined by the caption's own trailing blank and "- "
// ("Korvex 2000 v1.0 - viga.kvx"), with "*" while the data changed since the
// file was opened or saved; without a file it is the caption alone. Closing,
// New and opening another project first ask whether to save the changes.
//
// The results on screen are out of date while the data differ from those of
// their calculation: the notice under the results, the diagrams under a grey
// veil, the result fields and value labels disabled, and printing, the
// preview's output and the calculation report withheld until the next
// calculation. The mark follows the material fields and what the section,
// load and deflection-use windows announce at once, and any other input once
// it has been handled.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "ui/common/Avisos.h"
#include "ui/common/Deshacer.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

namespace {

constexpr const char* kPreguntaGuardar = "¿Desea guardar los cambios del proyecto?";
constexpr const char* kTituloPregunta = "Guardar cambios";

}  // namespace

void frmGeneral::SeguirCambios() {
    titulo_ = new QTimer(this);
    titulo_->setSingleShot(true);
    connect(titulo_, &QTimer::timeout, this, [this] {
        // Every handled change of the data becomes a step of the history.
        historial_->Registrar();
        ActualizarTitulo();
        MarcarDesactualizado();
    });
    qApp->installEventFilter(this);
    // Connected after the window's own handlers, so the project already
    // holds what was typed or announced.
    const auto cambio = [this] {
        MarcarDesactualizado();
        titulo_->start(0);
    };
    Avisos& avisos = Avisos::Instancia();
    connect(&avisos, &Avisos::SeccionAceptada, this, cambio);
    connect(&avisos, &Avisos::SeccionDescartada, this, cambio);
    connect(&avisos, &Avisos::CargasAceptadas, this, cambio);
    connect(&avisos, &Avisos::CargasVaciadas, this, cambio);
    connect(&avisos, &Avisos::CargasCambiadas, this, cambio);
    connect(&avisos, &Avisos::UsoCambiado, this, cambio);
    for (QLineEdit* campo : {txtFc, txtRec}) connect(campo, &QLineEdit::textChanged, this, cambio);
    connect(cboFy, &QComboBox::currentTextChanged, this, cambio);
    connect(chkAlternancia, &QCheckBox::toggled, this, cambio);
    connect(cboNorma, &QComboBox::currentIndexChanged, this, cambio);
    connect(cboEstribo, &QComboBox::currentIndexChanged, this, cambio);
}

void frmGeneral::FijarArchivo(const QString& archivo) {
    documento_.FijarArchivo(archivo.toStdString());
    ActualizarTitulo();
}

QString frmGeneral::Archivo() const {
    return QString::fromStdString(documento_.archivo());
}

void frmGeneral::ActualizarTitulo() {
    QString t = kTitulo;
    if (const QString archivo = Archivo(); !archivo.isEmpty()) {
        t += "- " + QFileInfo(archivo).fileName();
        if (documento_.Cambiado()) t += "*";
    }
    // Qt reads "[*]" in a title as its own mark; a file name may hold it.
    t.replace("[*]", "[*][*]");
    setWindowTitle(t);
}

void frmGeneral::FijarCalculados(bool calculados) {
    documento_.FijarCalculados(calculados);
    MarcarDesactualizado();
}

void frmGeneral::MarcarDesactualizado() {
    const bool fuera = documento_.Desactualizado();
    lblDesactualizado->setVisible(fuera);
    for (Lienzo* caja : {pct1, pct2}) caja->Atenuar(fuera);
    for (QWidget* w : std::initializer_list<QWidget*>{txtEstribos, grdAcero, lblAlternancia,
                                                      lblNorma, lblQmaxp, lblQp, lblQmaxn, lblQn,
                                                      lblMmaxp, lblMp, lblMmaxn, lblMn}) {
        w->setEnabled(!fuera);
    }
    // After a calculation: the bar table and printing (the calculation
    // report and an open preview follow it) only for current results.
    if (documento_.HayCalculados()) {
        cmdVarillas->setEnabled(!fuera);
        Boton("Imprimir")->setEnabled(!fuera);
        mnuArchivoImprimir->setEnabled(!fuera);
    }
    HabilitarDespiece();
}

bool frmGeneral::ConfirmarDescarte() {
    if (!documento_.Cambiado()) return true;
    switch (MostrarMensaje(kPreguntaGuardar, kTituloPregunta, kEstiloSiNoCancelar)) {
        case kRespuestaSi: {
            // Through the save dialog when the project has no file yet; the
            // command goes on only when the project was saved.
            const QString archivo = Archivo();
            return archivo.isEmpty() ? GuardarComo() : GuardarEn(archivo);
        }
        case kRespuestaNo:
            return true;
        default:
            return false;
    }
}

bool frmGeneral::eventFilter(QObject* objeto, QEvent* e) {
    // After the user's input has been handled, wherever it went (the load
    // window adds loads while the main window stays up), the title is
    // brought up to date once.
    const QEvent::Type t = e->type();
    if (t == QEvent::MouseButtonRelease || t == QEvent::KeyRelease || t == QEvent::Wheel) {
        if (!titulo_->isActive()) titulo_->start(0);
    }
    if (ArrastreEnCampo(objeto, e)) return true;
    return QMainWindow::eventFilter(objeto, e);
}

void frmGeneral::closeEvent(QCloseEvent* e) {
    // A changed project is not lost without a word.
    if (!ConfirmarDescarte()) {
        e->ignore();
        return;
    }
    e->accept();
    // The program ends with its main window: every other window closes too.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible()) w->hide();
    }
    QCoreApplication::quit();
}

}  // namespace korvex::ui
