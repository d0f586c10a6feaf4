#include "ui/report/frmpreview.h"

#include <QAction>
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
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "project/Informe.h"
#include "text/Numeros.h"
#include "ui/common/Mensajes.h"
#include "ui/common/RutaPropuesta.h"
#include "ui/report/DibujarReporte.h"

namespace korvex::ui {

namespace {

// The page at zoom 1: a letter sheet at 96 pixels per inch (1440 twips).
constexpr double kPxPorTwip = 96.0 / 1440;
constexpr double kMargen = 8;  // px around the page, as HojaInforme draws it
constexpr double kZoomMin = 0.25, kZoomMax = 4, kPaso = 1.25;

bool DialogoImpresion(QPrinter& impresora, QWidget* padre) {
    QPrintDialog dlg(&impresora, padre);
    dlg.setObjectName("dlgImprimir");
    dlg.setWindowTitle("Imprimir");
    return dlg.exec() == QDialog::Accepted;
}

QString DialogoPdf(QWidget* padre) {
    auto* v = qobject_cast<frmpreview*>(padre);
    const QFileInfo propuesto(v != nullptr ? v->PdfPropuesto()
                                           : RutaPropuesta({}, CarpetaUsada(), "pdf"));
    QFileDialog dlg(padre, "Guardar PDF", propuesto.absolutePath(), "PDF (*.pdf)");
    dlg.setObjectName("dlgPdf");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix("pdf");
    dlg.selectFile(propuesto.fileName());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().constFirst();
}

}  // namespace

std::function<bool(QPrinter&, QWidget*)> frmpreview::ElegirImpresora = DialogoImpresion;
std::function<QString(QWidget*)> frmpreview::ElegirPdf = DialogoPdf;

// ---- The sheet -----------------------------------------------------------------

HojaInforme::HojaInforme(QWidget* padre) : QWidget(padre) {
    setMouseTracking(true);
    setMinimumSize(60, 80);
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
    Print_btn->setToolTip("Imprime el informe en la impresora que elija (Ctrl+P)");
    cmdPdf = new QPushButton(QString::fromUtf8("Guardar PDF…"), centro);
    cmdPdf->setObjectName("cmdPdf");
    cmdPdf->setToolTip("Guarda el informe en un archivo PDF de tamaño carta");

    // Ctrl+P prints, as "Imprimir" of the main window opened the preview.
    auto* imprimir = new QAction("Imprime", this);
    imprimir->setObjectName("accImprime");
    imprimir->setShortcut(QKeySequence("Ctrl+P"));
    addAction(imprimir);
    connect(imprimir, &QAction::triggered, Print_btn, &QPushButton::click);

    // The zoom commands: a button each, their shortcuts on the window.
    auto zoom = [this, centro](const char* nombre, const QString& texto, const QString& ayuda,
                               QList<QKeySequence> atajos, void (frmpreview::*orden)()) {
        auto* a = new QAction(texto, this);
        a->setObjectName(QString(nombre).replace("cmd", "acc"));
        a->setShortcuts(atajos);
        a->setToolTip(atajos.isEmpty()
                          ? ayuda
                          : ayuda + " (" + atajos.constFirst().toString(QKeySequence::NativeText) +
                                ")");
        addAction(a);
        connect(a, &QAction::triggered, this, orden);
        auto* b = new QToolButton(centro);
        b->setObjectName(nombre);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    cmdPaginaCompleta = zoom("cmdPaginaCompleta", QString::fromUtf8("Página completa"),
                             QString::fromUtf8("Muestra la página entera en la ventana"), {},
                             &frmpreview::AjustarPagina);
    cmdAnchoPagina = zoom("cmdAnchoPagina", QString::fromUtf8("Ancho de página"),
                          QString::fromUtf8("Ajusta el ancho de la página a la ventana"), {},
                          &frmpreview::AjustarAncho);
    cmdAmpliar = zoom("cmdAmpliar", "Ampliar", "Ampliar la vista",
                      {QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}, &frmpreview::Ampliar);
    cmdReducir = zoom("cmdReducir", "Reducir", "Reducir la vista", {QKeySequence("Ctrl+-")},
                      &frmpreview::Reducir);
    lblZoom = new QLabel(centro);
    lblZoom->setObjectName("lblZoom");
    lblZoom->setMinimumWidth(50);

    scrHoja = new QScrollArea(centro);
    scrHoja->setObjectName("scrHoja");
    scrHoja->setWidget(Hoja);
    scrHoja->setWidgetResizable(false);
    scrHoja->setAlignment(Qt::AlignCenter);
    scrHoja->viewport()->installEventFilter(this);

    auto* botones = new QHBoxLayout;
    botones->addWidget(Print_btn);
    botones->addWidget(cmdPdf);
    botones->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPaginaCompleta, cmdAnchoPagina, cmdReducir,
                                                      cmdAmpliar, lblZoom})
        botones->addWidget(w);
    auto* todo = new QVBoxLayout(centro);
    todo->addLayout(botones);
    todo->addWidget(scrHoja, 1);
    setCentralWidget(centro);
    setTabOrder(Print_btn, cmdPdf);
    setTabOrder(cmdPdf, cmdPaginaCompleta);

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
    AjustarPagina();
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
    RecordarCarpeta(ruta);
    statusBar()->showMessage("PDF guardado en " + QDir::toNativeSeparators(ruta), 8000);
}

QString frmpreview::PdfPropuesto() const {
    return RutaPropuesta(QString::fromStdString(documento_.archivo()), CarpetaUsada(), "pdf");
}

// ---- Zoom ----------------------------------------------------------------------

void frmpreview::FijarZoom(double zoom, Ajuste ajuste) {
    zoom_ = std::clamp(zoom, kZoomMin, kZoomMax);
    ajuste_ = ajuste;
    Hoja->resize(static_cast<int>(kAnchoCarta * kPxPorTwip * zoom_ + 2 * kMargen),
                 static_cast<int>(kAltoCarta * kPxPorTwip * zoom_ + 2 * kMargen));
    lblZoom->setText(QString("%1 %").arg(qRound(zoom_ * 100)));
}

void frmpreview::AjustarPagina() {
    const QSize v = scrHoja->viewport()->size();
    FijarZoom(std::min((v.width() - 2 * kMargen) / (kAnchoCarta * kPxPorTwip),
                       (v.height() - 2 * kMargen) / (kAltoCarta * kPxPorTwip)),
              Ajuste::Pagina);
}

void frmpreview::AjustarAncho() {
    // The width left when the vertical scroll bar is shown, so that the
    // page does not shrink again once it appears.
    const int barra = scrHoja->verticalScrollBar()->isVisible()
                          ? 0
                          : scrHoja->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double ancho = scrHoja->viewport()->width() - barra - 2 * kMargen;
    FijarZoom(ancho / (kAnchoCarta * kPxPorTwip), Ajuste::Ancho);
}

void frmpreview::Ampliar() {
    FijarZoom(zoom_ * kPaso, Ajuste::Libre);
}

void frmpreview::Reducir() {
    FijarZoom(zoom_ / kPaso, Ajuste::Libre);
}

bool frmpreview::eventFilter(QObject* objeto, QEvent* e) {
    // A fit follows the window's size.
    if (objeto == scrHoja->viewport() && e->type() == QEvent::Resize) {
        if (ajuste_ == Ajuste::Pagina) AjustarPagina();
        if (ajuste_ == Ajuste::Ancho) AjustarAncho();
    }
    return QMainWindow::eventFilter(objeto, e);
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
