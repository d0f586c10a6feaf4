#include "ui/report/frmpreview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include "project/Informe.h"
#include "text/Numeros.h"
#include "ui/common/Mensajes.h"
#include "ui/report/DibujarReporte.h"

namespace korvex::ui {

namespace {

constexpr const char* kClaveCarpeta = "archivos/carpeta";

bool DialogoImpresion(QPrinter& impresora, QWidget* padre) {
    QPrintDialog dlg(&impresora, padre);
    dlg.setObjectName("dlgImprimir");
    dlg.setWindowTitle("Imprimir");
    return dlg.exec() == QDialog::Accepted;
}

QString DialogoPdf(QWidget* padre) {
    QString carpeta = QSettings().value(kClaveCarpeta).toString();
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) {
        carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QFileDialog dlg(padre, "Guardar PDF", carpeta, "PDF (*.pdf)");
    dlg.setObjectName("dlgPdf");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix("pdf");
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().constFirst();
}

}  // namespace

std::function<bool(QPrinter&, QWidget*)> frmpreview::ElegirImpresora = DialogoImpresion;
std::function<QString(QWidget*)> frmpreview::ElegirPdf = DialogoPdf;

// ---- The sheet -----------------------------------------------------------------

HojaInforme::HojaInforme(QWidget* padre) : QWidget(padre) {
    setMouseTracking(true);
    setMinimumSize(306, 396);  // a quarter of an inch per 90 twips
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip(QString());
}

void HojaInforme::FijarProyecto(const Proyecto& p, std::shared_ptr<const ResultadoCalculo> r) {
    proyecto_ = p;
    resultado_ = std::move(r);
    update();
}

QRectF HojaInforme::Pagina() const {
    const double margen = 8;
    const double w = std::max(1.0, width() - 2 * margen), h = std::max(1.0, height() - 2 * margen);
    const double escala = std::min(w / kAnchoCarta, h / kAltoCarta);
    const double ancho = kAnchoCarta * escala, alto = kAltoCarta * escala;
    return {(width() - ancho) / 2, (height() - alto) / 2, ancho, alto};
}

QPointF HojaInforme::Twips(QPointF pixel) const {
    const QRectF r = Pagina();
    return {(pixel.x() - r.x()) * kAnchoCarta / r.width(),
            (pixel.y() - r.y()) * kAltoCarta / r.height()};
}

void HojaInforme::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF r = Pagina();
    pintor.fillRect(r.translated(3, 3), QColor(60, 60, 60));
    pintor.fillRect(r, Qt::white);
    pintor.translate(r.topLeft());
    pintor.scale(r.width() / kAnchoCarta, r.height() / kAltoCarta);
    DibujarReporte(pintor, proyecto_, resultado_ ? *resultado_ : ResultadoCalculo{}, false);
}

void HojaInforme::mouseMoveEvent(QMouseEvent* e) {
    const QPointF t = Twips(e->position());
    emit MovimientoTwips(t.x(), t.y());
    QWidget::mouseMoveEvent(e);
}

// ---- The window ----------------------------------------------------------------

frmpreview::frmpreview(Documento& documento, QWidget* padre)
    : QMainWindow(padre), documento_(documento) {
    setObjectName("frmpreview");
    setWindowTitle(QString::fromUtf8("Vista Previa  a Impresión"));

    auto* centro = new QWidget(this);
    Hoja = new HojaInforme(centro);
    Hoja->setObjectName("Hoja");
    Print_btn = new QPushButton("Imprime", centro);
    Print_btn->setObjectName("Print_btn");
    Print_btn->setToolTip("Imprime el informe en la impresora que elija");
    cmdPdf = new QPushButton(QString::fromUtf8("Guardar PDF…"), centro);
    cmdPdf->setObjectName("cmdPdf");
    cmdPdf->setToolTip("Guarda el informe en un archivo PDF de tamaño carta");

    auto* botones = new QHBoxLayout;
    botones->addWidget(Print_btn);
    botones->addWidget(cmdPdf);
    botones->addStretch();
    auto* todo = new QVBoxLayout(centro);
    todo->addLayout(botones);
    todo->addWidget(Hoja, 1);
    setCentralWidget(centro);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    Panel1 = new QLabel(StatusBar);
    Panel1->setObjectName("Panel1");
    Panel2 = new QLabel(StatusBar);
    Panel2->setObjectName("Panel2");
    for (QLabel* l : {Panel1, Panel2}) {
        l->setMinimumWidth(120);
        StatusBar->addWidget(l);
    }
    setStatusBar(StatusBar);

    connect(Print_btn, &QPushButton::clicked, this, &frmpreview::Print_btn_Click);
    connect(cmdPdf, &QPushButton::clicked, this, &frmpreview::cmdPdf_Click);
    connect(Hoja, &HojaInforme::MovimientoTwips, this, &frmpreview::Hoja_MouseMove);
    resize(640, 860);
    Form_Load();
}

void frmpreview::Form_Load() {
    Hoja->FijarProyecto(documento_.proyecto(), documento_.resultadoCompartido());
}

void frmpreview::Print_btn_Click() {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setFullPage(true);
    impresora.setPageSize(QPageSize(QPageSize::Letter));
    impresora.setPageOrientation(QPageLayout::Portrait);
    impresora.setDocName("Korvex 2000 - Informe");
    if (!ElegirImpresora || !ElegirImpresora(impresora, this)) return;
    if (!ImprimirPagina(impresora, documento_.proyecto(), documento_.resultado())) {
        MostrarMensaje("No se pudo imprimir el informe: la impresora elegida no está disponible.",
                       "Imprimir", 16);
    }
}

void frmpreview::cmdPdf_Click() {
    const QString ruta = ElegirPdf ? ElegirPdf(this) : QString();
    if (ruta.isEmpty()) return;
    const QString error = EscribirPdf(documento_.proyecto(), documento_.resultado(), ruta);
    if (!error.isEmpty()) {
        MostrarMensaje(error.toStdString(), "Guardar PDF", 16);
        return;
    }
    QSettings().setValue(kClaveCarpeta, QFileInfo(ruta).absolutePath());
}

void frmpreview::PermitirSalida(bool si) {
    Print_btn->setEnabled(si);
    cmdPdf->setEnabled(si);
}

void frmpreview::Hoja_MouseMove(double x, double y) {
    Panel1->setText(QString::fromStdString("X = " + texto::FormatoGeneral(static_cast<float>(x))));
    Panel2->setText(QString::fromStdString("Y = " + texto::FormatoGeneral(static_cast<float>(y))));
}

}  // namespace korvex::ui
