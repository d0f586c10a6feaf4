// The file, report, help and utility commands of the main window.
//
// "Abrir" and "Salvar" ask for a file in the dialogs "Abrir" and "Guardar"
// (filter "Korvex (*.kvx)", extension kvx added when missing). The initial
// folder is the folder of the last project opened or saved, kept with
// QSettings, else the user's documents folder. Saving goes through the atomic
// writer: a failed save says why and leaves the old file as it was.
#include "ui/main/AccionesArchivo.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "project/ArchivoKvx.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/main/frmGeneral.h"

#include "ui/loads/frmCargas.h"

namespace korvex::ui {

namespace {

constexpr const char* kFiltro = "Korvex (*.kvx)";
constexpr const char* kClaveCarpeta = "archivos/carpeta";

QString CarpetaInicial() {
    const QString guardada = QSettings().value(kClaveCarpeta).toString();
    if (!guardada.isEmpty() && QDir(guardada).exists()) return guardada;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QDir::homePath() : docs;
}

void RecordarCarpeta(const QString& archivo) {
    QSettings().setValue(kClaveCarpeta, QFileInfo(archivo).absolutePath());
}

// Runs the file dialog (Qt's own widget dialog, the same on every desktop).
QString Elegir(QWidget* padre, bool guardar) {
    QFileDialog dlg(padre, guardar ? "Guardar" : "Abrir", CarpetaInicial(), kFiltro);
    dlg.setObjectName(guardar ? "dlgGuardar" : "dlgAbrir");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setDefaultSuffix("kvx");
    if (guardar) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().constFirst();
}

void Abrir(frmGeneral* general) {
    const QString archivo = Elegir(general, false);
    if (archivo.isEmpty()) return;
    if (AbrirProyecto(general, archivo)) RecordarCarpeta(archivo);
}

void Guardar(frmGeneral* general) {
    const QString archivo = Elegir(general, true);
    if (archivo.isEmpty()) return;
    Proyecto& p = ProyectoActual();
    if (frmCargas* c = Registro::Instancia().SiExiste<frmCargas>())
        p.ventana = c->EstadoControles();
    if (std::optional<Mensaje> m = GuardarArchivoKvx(archivo.toStdString(), p)) {
        Adaptador().MostrarMensaje(*m);
        return;
    }
    RecordarCarpeta(archivo);
}

}  // namespace

void ConectarArchivo(frmGeneral* general) {
    if (general == nullptr) return;
    QObject::connect(general->mnuArchivoAbrir, &QAction::triggered, general,
                     [general] { Abrir(general); });
    QObject::connect(general->mnuArchivoSalvarcomo, &QAction::triggered, general,
                     [general] { Guardar(general); });
}

bool AbrirProyecto(frmGeneral* general, const QString& archivo) {
    return general != nullptr && general->AbrirArchivo(archivo);
}

}  // namespace korvex::ui
