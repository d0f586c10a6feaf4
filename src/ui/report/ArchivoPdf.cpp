#include "ui/report/ArchivoPdf.h"

#include <QFile>
#include <QFileInfo>

#include "project/Disco.h"

namespace korvex::ui {

QString GuardarPdf(const QString& ruta, const QByteArray& bytes) {
    const bool habia = QFileInfo(ruta).isFile();
    const std::string razon = disco::EscribirArchivo(
        QFile::encodeName(ruta).toStdString(), std::string_view(bytes.constData(), bytes.size()));
    if (razon.empty()) return {};
    return QString("No se pudo guardar el archivo \"%1\": %2.")
               .arg(ruta, QString::fromStdString(razon)) +
           (habia ? " El archivo anterior no se ha modificado." : "");
}

}  // namespace korvex::ui
