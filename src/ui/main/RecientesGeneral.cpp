// frmGeneral: the recent projects of the Archivo menu and the projects
// dropped onto the window.
//
// The list holds the last five projects opened or saved, newest first, as
// absolute paths in the settings (key "archivos/recientes"), so that every
// run of the program shares it. The menu shows "&1 viga.kvx" ... "&5 ..."
// (the number is the entry's key); two entries of the same file name show
// their whole paths.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include "ui/common/Mensajes.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

namespace {

constexpr const char* kClaveRecientes = "archivos/recientes";

void GuardarRecientes(const QStringList& lista) {
    QSettings().setValue(kClaveRecientes, lista);
}

}  // namespace

QStringList frmGeneral::Recientes() {
    QStringList lista = QSettings().value(kClaveRecientes).toStringList();
    lista.removeAll(QString());
    lista.removeDuplicates();
    return lista.mid(0, kRecientes);
}

void frmGeneral::AgregarReciente(const QString& archivo) {
    const QString ruta = QFileInfo(archivo).absoluteFilePath();
    QStringList lista = Recientes();
    lista.removeAll(ruta);
    lista.prepend(ruta);
    GuardarRecientes(lista.mid(0, kRecientes));
    ActualizarRecientes();
}

void frmGeneral::ActualizarRecientes() {
    const QStringList lista = Recientes();
    for (int n = 1; n <= kRecientes; ++n) {
        QAction* a = mnuArchivoReciente[static_cast<std::size_t>(n - 1)];
        if (n > lista.size()) {
            a->setVisible(false);
            continue;
        }
        const QString ruta = lista[n - 1];
        QString nombre = QFileInfo(ruta).fileName();
        int iguales = 0;
        for (const QString& otra : lista) iguales += QFileInfo(otra).fileName() == nombre;
        if (iguales > 1) nombre = ruta;
        nombre.replace("&", "&&");  // an "&" of the name is no key
        a->setText(QString("&%1 %2").arg(n).arg(nombre));
        a->setToolTip(ruta);
        a->setStatusTip(ruta);
        a->setVisible(true);
    }
    mnuArchivoRaya2->setVisible(!lista.isEmpty());
}

void frmGeneral::mnuArchivoReciente_Click(int n) {
    QStringList lista = Recientes();
    if (n < 1 || n > lista.size()) return;
    const QString ruta = lista[n - 1];
    if (!QFileInfo(ruta).isFile()) {
        MostrarMensaje(
            ("El proyecto " + ruta + " ya no existe; se quitó de la lista de proyectos recientes.")
                .toStdString(),
            "Proyectos recientes", kEstiloExclamacion);
        lista.removeAll(ruta);
        GuardarRecientes(lista);
        ActualizarRecientes();
        return;
    }
    AbrirOtro(ruta);
}

bool frmGeneral::AbrirOtro(const QString& archivo) {
    return ConfirmarDescarte() && AbrirArchivo(archivo);
}

// ---- Drag and drop --------------------------------------------------------

QString frmGeneral::ArchivoArrastrado(const QMimeData* datos) {
    if (datos == nullptr || !datos->hasUrls() || datos->urls().size() != 1) return {};
    const QUrl url = datos->urls().constFirst();
    if (!url.isLocalFile()) return {};
    const QString ruta = url.toLocalFile();
    return QFileInfo(ruta).suffix().compare("kvx", Qt::CaseInsensitive) == 0 ? ruta : QString();
}

void frmGeneral::dragEnterEvent(QDragEnterEvent* e) {
    if (!ArchivoArrastrado(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
    } else {
        e->ignore();
    }
}

bool frmGeneral::ArrastreEnCampo(QObject* objeto, QEvent* e) {
    const QEvent::Type t = e->type();
    if (t != QEvent::DragEnter && t != QEvent::DragMove && t != QEvent::Drop) return false;
    if (objeto == this || !objeto->isWidgetType() ||
        static_cast<QWidget*>(objeto)->window() != this) {
        return false;
    }
    // A project dragged over a field of this window is the window's, not
    // the field's text.
    auto* arrastre = static_cast<QDropEvent*>(e);
    if (ArchivoArrastrado(arrastre->mimeData()).isEmpty()) return false;
    if (t == QEvent::Drop) {
        dropEvent(arrastre);
    } else {
        arrastre->acceptProposedAction();
    }
    return true;
}

void frmGeneral::dropEvent(QDropEvent* e) {
    const QString archivo = ArchivoArrastrado(e->mimeData());
    if (archivo.isEmpty()) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    // Opened once the drop has ended: the question and the calculation show
    // modal windows, which must not run inside the drag.
    QTimer::singleShot(0, this, [this, archivo] { AbrirOtro(archivo); });
}

}  // namespace korvex::ui
