#include "ui/report/ArchivoPdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

#include "project/Disco.h"

namespace korvex::ui {

QString EscribirPdfEntero(const QString& ruta, const QString& titulo,
                          const std::function<bool(QPdfWriter&)>& pintar, const QString& fallo) {
    QByteArray bytes;
    {
        QBuffer memoria(&bytes);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setCreator("Korvex 2000");
        pdf.setTitle(titulo);
        if (!pintar(pdf)) return fallo;
    }
    const bool habia = QFileInfo(ruta).isFile();
    const std::string razon = disco::EscribirArchivo(
        QFile::encodeName(ruta).toStdString(), std::string_view(bytes.constData(), bytes.size()));
    if (razon.empty()) return {};
    return QString("No se pudo guardar el archivo \"%1\": %2.")
               .arg(ruta, QString::fromStdString(razon)) +
           (habia ? " El archivo anterior no se ha modificado." : "");
}

}  // namespace korvex::ui
