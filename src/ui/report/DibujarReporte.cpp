#include "ui/report/DibujarReporte.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include "project/Informe.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/report/ArchivoPdf.h"

// The logo is a resource of the static UI library: it must be registered
// by name before its first use.
static void RegistrarLogo() {
    Q_INIT_RESOURCE(logo);
}

namespace korvex::ui {

namespace {

constexpr double kTwipsPorPunto = 20;
constexpr double kGrosorLinea = 10;  // twips, half a point

QFont Letra(ElementoInforme::Letra letra, bool imprimiendo) {
    QFont f("Times New Roman");
    f.setStyleHint(QFont::Serif);  // the closest installed serif when Times is missing
    f.setPixelSize(static_cast<int>(PuntosLetra(letra, imprimiendo) * kTwipsPorPunto));
    return f;
}

void Logo(QPainter& pintor, const QRectF& caja) {
    static const bool registrado = (RegistrarLogo(), true);
    (void)registrado;
    QSvgRenderer svg(QStringLiteral(":/logo/korvex.svg"));
    if (svg.isValid()) svg.render(&pintor, caja);
}

}  // namespace

void DibujarReporte(QPainter& pintor, const Proyecto& p, const ResultadoCalculo& r,
                    bool imprimiendo) {
    // The diagrams are drawn afresh in boxes of the main window's design size,
    // then pasted scaled into their places.
    Lienzo cortante(diagrama::kAnchoCaja, diagrama::kAltoCaja);
    Lienzo momento(diagrama::kAnchoCaja, diagrama::kAltoCaja);
    DibujarCurvas(p.estado, r, &cortante, &momento, true);

    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    for (const ElementoInforme& e : PaginaInforme(p, r, imprimiendo)) {
        const QRectF caja(e.x, e.y, e.x2, e.y2);
        switch (e.tipo) {
            case ElementoInforme::Texto:
                pintor.setPen(Qt::black);
                pintor.setFont(Letra(e.letra, imprimiendo));
                // Placed by the top-left corner of the line, blanks kept.
                pintor.drawText(
                    QRectF(e.x, e.y, kAnchoCarta, kAltoCarta - e.y),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                    QString::fromStdString(e.texto));
                break;
            case ElementoInforme::Parrafo:
                pintor.setPen(Qt::black);
                pintor.setFont(Letra(e.letra, imprimiendo));
                pintor.drawText(caja, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                QString::fromStdString(e.texto));
                break;
            case ElementoInforme::Linea:
                pintor.setPen(QPen(Qt::black, kGrosorLinea));
                pintor.drawLine(QPointF(e.x, e.y), QPointF(e.x2, e.y2));
                break;
            case ElementoInforme::Cortante:
                cortante.Pintar(pintor, caja);
                break;
            case ElementoInforme::Momento:
                momento.Pintar(pintor, caja);
                break;
            case ElementoInforme::Logo:
                Logo(pintor, caja);
                break;
        }
    }
    pintor.restore();
}

bool ImprimirPagina(QPagedPaintDevice& dispositivo, const Proyecto& p, const ResultadoCalculo& r) {
    dispositivo.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    // Device pixels per twip: the page is addressed in twips from its corner.
    const QRect pagina = pintor.viewport();
    pintor.scale(pagina.width() / kAnchoCarta, pagina.height() / kAltoCarta);
    DibujarReporte(pintor, p, r, true);
    return pintor.end();
}

QString EscribirPdf(const Proyecto& p, const ResultadoCalculo& r, const QString& ruta) {
    return EscribirPdfEntero(
        ruta, "Korvex 2000 - Informe",
        [&p, &r](QPdfWriter& pdf) {
            pdf.setResolution(1200);
            return ImprimirPagina(pdf, p, r);
        },
        "No se pudo dibujar el informe en el archivo " + ruta);
}

}  // namespace korvex::ui
