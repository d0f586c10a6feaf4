// frmGeom: the vertex file opened into the tool and the tool's own history
// of its vertex list.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QUndoStack>

#include "model/Interfaz.h"
#include "ui/common/Mensajes.h"
#include "ui/common/RutaPropuesta.h"
#include "ui/polygon/frmGeom.h"

namespace korvex::ui {

namespace {

// A vertex file larger than this is not a section typed or exported by hand.
constexpr qint64 kMayorArchivo = 8 * 1024 * 1024;

// One step: the vertex list before and after a change. The change is
// already made when the step is recorded, so its first redo does nothing.
class PasoVertices : public QUndoCommand {
  public:
    PasoVertices(frmGeom* g, const QString& nombre, std::vector<Vertice> antes,
                 std::vector<Vertice> despues)
        : QUndoCommand(nombre), g_(g), antes_(std::move(antes)), despues_(std::move(despues)) {}
    void undo() override { g_->PonerVertices(antes_); }
    void redo() override {
        if (hecho_) g_->PonerVertices(despues_);
        hecho_ = true;
    }

  private:
    frmGeom* g_;
    std::vector<Vertice> antes_, despues_;
    bool hecho_ = false;
};

void Rechazar(const std::string& texto) {
    MostrarMensaje(texto, "Abrir", kEstiloCritico);
}

}  // namespace

void frmGeom::CrearHistorial() {
    historial_ = new QUndoStack(this);
    auto* deshacer = new QAction(QString::fromUtf8("Deshacer"), this);
    deshacer->setObjectName("actDeshacerGeom");
    deshacer->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    auto* rehacer = new QAction(QString::fromUtf8("Rehacer"), this);
    rehacer->setObjectName("actRehacerGeom");
    rehacer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* a : {deshacer, rehacer}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }
    connect(deshacer, &QAction::triggered, historial_, &QUndoStack::undo);
    connect(rehacer, &QAction::triggered, historial_, &QUndoStack::redo);
}

bool frmGeom::TeclaDeHistorial(QObject* objeto, QEvent* e) const {
    // An empty coordinate field has no text to undo: the keys go to the
    // tool's history instead of the field's.
    if (e->type() != QEvent::ShortcutOverride || (objeto != TextX && objeto != TextY)) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    const QKeyCombination c = k->keyCombination();
    const bool tecla = c == QKeyCombination(Qt::CTRL, Qt::Key_Z) ||
                       c == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
                       c == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
    return tecla && static_cast<QLineEdit*>(objeto)->text().isEmpty();
}

void frmGeom::Registrar(const QString& nombre, const std::vector<Vertice>& antes) {
    if (antes == figura_.Vertices()) return;
    historial_->push(new PasoVertices(this, nombre, antes, figura_.Vertices()));
}

void frmGeom::PonerVertices(const std::vector<Vertice>& v) {
    Vaciar();
    for (const Vertice& x : v) {
        figura_.Agregar(x.x, x.y);
        AgregarLinea(x);
    }
}

void frmGeom::cmdAbrir_Click() {
    const QString propuesto = QFileInfo(RutaPropuesta("", CarpetaUsada(), "txt")).absolutePath();
    QFileDialog dlg(this, "Abrir", propuesto,
                    QString::fromUtf8("Vértices (*.txt *.csv);;Todos los archivos (*)"));
    dlg.setObjectName("dlgAbrirVertices");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
    AbrirVertices(dlg.selectedFiles().constFirst());
}

bool frmGeom::AbrirVertices(const QString& archivo) {
    const std::string nombre = QFileInfo(archivo).fileName().toStdString();
    QFile f(archivo);
    if (f.size() > kMayorArchivo) {
        Rechazar("El archivo " + nombre + " es demasiado grande para una lista de vértices.");
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        Rechazar("No se puede leer el archivo " + nombre + ": " + f.errorString().toStdString());
        return false;
    }
    std::string error;
    const auto v = LeerArchivoPoligono(f.readAll().toStdString(), &error);
    if (!v) {
        Rechazar("El archivo " + nombre + " no es una lista de vértices: " + error);
        return false;
    }
    RecordarCarpeta(archivo);
    const std::vector<Vertice> antes = figura_.Vertices();
    PonerVertices(*v);
    historial_->push(new PasoVertices(this, "Abrir " + QString::fromStdString(nombre), antes, *v));
    Lineas_btn_Click();
    return true;
}

}  // namespace korvex::ui
