#include "ui/common/RutaPropuesta.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace korvex::ui {

namespace {
constexpr const char* kClaveCarpeta = "archivos/carpeta";
constexpr const char* kNombreNuevo = "viga";
}  // namespace

QString RutaPropuesta(const QString& archivoProyecto, const QString& carpetaUsada,
                      const QString& extension) {
    if (!archivoProyecto.isEmpty()) {
        const QFileInfo f(archivoProyecto);
        return QDir(f.absolutePath()).filePath(f.completeBaseName() + "." + extension);
    }
    const QString carpeta =
        !carpetaUsada.isEmpty() && QDir(carpetaUsada).exists() ? carpetaUsada : QDir::homePath();
    return QDir(carpeta).filePath(QString(kNombreNuevo) + "." + extension);
}

QString CarpetaUsada() {
    return QSettings().value(kClaveCarpeta).toString();
}

void RecordarCarpeta(const QString& archivo) {
    QSettings().setValue(kClaveCarpeta, QFileInfo(archivo).absolutePath());
}

}  // namespace korvex::ui
