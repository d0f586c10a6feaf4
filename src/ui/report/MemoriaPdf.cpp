#include "ui/report/MemoriaPdf.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "project/Memoria.h"
#include "ui/report/ArchivoPdf.h"
#include "ui/report/MaquetaMemoria.h"

namespace korvex::ui {

namespace {

constexpr int kResolucion = 1200;  // dots per inch of the PDF's coordinates

// Lays the report out and paints every page; false when the device could
// not be painted on.
bool Pintar(QPdfWriter& pdf, const std::vector<Bloque>& bloques, const QString& archivo,
            const QString& fecha) {
    memoria::Maqueta maqueta(&pdf);
    for (const Bloque& b : bloques) maqueta.Agregar(b);
    const std::vector<memoria::Pagina> paginas = maqueta.Paginar();
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    const int total = static_cast<int>(paginas.size());
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !pdf.newPage()) {
            pintor.end();
            return false;
        }
        maqueta.Pintar(pintor, paginas[static_cast<std::size_t>(i)], i + 1, total, archivo, fecha);
    }
    return pintor.end();
}

}  // namespace

QString EscribirMemoria(const Proyecto& p, const ResultadoCalculo& r, const QString& ruta,
                        const QString& archivo, const QDate& fecha) {
    if (!MemoriaPosible(r)) {
        return "El proyecto no tiene resultados: realice los cálculos antes de escribir la "
               "memoria de cálculo.";
    }
    const QString dia = QLocale(QLocale::Spanish).toString(fecha, "d 'de' MMMM 'de' yyyy");
    const std::vector<Bloque> bloques =
        ConstruirMemoria(p, r, {archivo.toStdString(), dia.toStdString()});

    return EscribirPdfEntero(
        ruta, "Korvex 2000 - Memoria de cálculo",
        [&](QPdfWriter& pdf) {
            pdf.setResolution(kResolucion);
            pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0)));
            return Pintar(pdf, bloques, archivo, dia);
        },
        "No se pudo dibujar la memoria de cálculo en el archivo " + ruta);
}

}  // namespace korvex::ui
