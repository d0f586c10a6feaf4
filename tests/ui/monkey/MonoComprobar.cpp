// The monkey's checks after each action: no text the program shows or
// writes reads "nan" or "inf", and no save leaves a temporary file.
#include <QtWidgets>

#include "monkey/Mono.h"
#include "project/Informe.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Registro.h"
#include "ui/report/frmpreview.h"

namespace korvex::pruebas {

namespace {

// "nan", "inf", "infinity" (any case, any sign) as a word of their own.
const QRegularExpression& NoFinito() {
    static const QRegularExpression r(R"((?<!\p{L})(nan|inf|infinity)(?!\p{L}))",
                                      QRegularExpression::CaseInsensitiveOption);
    return r;
}

}  // namespace

void Mono::ComprobarTexto(const QString& donde, const QString& texto) {
    if (!fallo_.empty() || !texto.contains(NoFinito())) return;
    Fallar(("\"" + texto.left(200) + "\" en " + donde).toStdString());
}

void Mono::Comprobar() {
    for (QWidget* v : QApplication::topLevelWidgets()) {
        if (!v->isVisible() || qobject_cast<QFileDialog*>(v) != nullptr) continue;
        const QString ventana = NombreDe(v);
        ComprobarTexto(ventana + " (título)", v->windowTitle());
        for (QWidget* w : v->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            const QString donde = ventana + "/" + NombreDe(w);
            if (auto* l = qobject_cast<QLabel*>(w)) {
                ComprobarTexto(donde, l->text());
            } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
                // A field that still holds what was typed into it shows the user's text.
                const auto t = tecleado_.constFind(e);
                if (t == tecleado_.constEnd() || *t != e->text()) ComprobarTexto(donde, e->text());
            } else if (auto* k = qobject_cast<QComboBox*>(w); k != nullptr && !k->isEditable()) {
                ComprobarTexto(donde, k->currentText());
            } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
                for (int r = 0; r < t->rowCount(); ++r) {
                    for (int c = 0; c < t->columnCount(); ++c) {
                        if (const QTableWidgetItem* i = t->item(r, c)) {
                            ComprobarTexto(QString("%1 (%2, %3)").arg(donde).arg(r).arg(c),
                                           i->text());
                        }
                    }
                }
            } else if (auto* lista = qobject_cast<QListWidget*>(w)) {
                for (int r = 0; r < lista->count(); ++r)
                    ComprobarTexto(donde, lista->item(r)->text());
            } else if (auto* s = qobject_cast<QStatusBar*>(w)) {
                ComprobarTexto(donde, s->currentMessage());
            } else if (auto* z = qobject_cast<ui::Lienzo*>(w)) {
                for (const ui::Lienzo::Primitiva& p : z->Primitivas()) {
                    if (p.tipo == ui::Lienzo::Primitiva::Texto) ComprobarTexto(donde, p.texto);
                }
            }
        }
    }
    // An open preview prints the current project: its page must read right.
    if (auto* v = ui::Registro::Instancia().SiExiste<ui::frmpreview>(); v && v->isVisible()) {
        for (const ElementoInforme& e : PaginaInforme(ui::ProyectoActual(), true)) {
            if (e.tipo == ElementoInforme::Texto) {
                ComprobarTexto("página del informe", QString::fromStdString(e.texto));
            }
        }
    }
    ComprobarArchivos();
}

// Files of the run's folder written since the last look: projects read as
// text, PDF files through pdftotext (poppler-utils) when it is installed.
void Mono::ComprobarArchivos() {
    static const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QDirIterator it(carpeta_, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext() && fallo_.empty()) {
        const QFileInfo f(it.next());
        const QString nombre = f.fileName(), ruta = f.absoluteFilePath();
        if (ruta.startsWith(QDir(carpeta_).filePath("ajustes"))) continue;
        const QString ext = f.suffix();
        if (nombre.startsWith('.') || (ext != "kvx" && ext != "pdf" && ext != "txt")) {
            Fallar(("queda un archivo temporal: " + ruta).toStdString());
            return;
        }
        const QDateTime cambio = f.lastModified();
        auto visto = vistos_.find(ruta);
        if (visto != vistos_.end() && visto->second == cambio) continue;
        const bool nuevo = visto == vistos_.end();
        vistos_[ruta] = cambio;
        if (nuevo && ext == "kvx" && nombre.startsWith("guardado")) guardados_.push_back(nombre);
        if (ext == "kvx") {
            QFile archivo(ruta);
            if (archivo.open(QIODevice::ReadOnly)) {
                ComprobarTexto("el archivo " + nombre, QString::fromLatin1(archivo.readAll()));
            }
        } else if (ext == "pdf" && !pdftotext.isEmpty()) {
            QProcess p;
            p.start(pdftotext, {ruta, "-"});
            if (!p.waitForFinished(30000) || p.exitCode() != 0) {
                Fallar(("pdftotext no pudo leer " + ruta).toStdString());
                return;
            }
            ComprobarTexto("el archivo " + nombre, QString::fromUtf8(p.readAllStandardOutput()));
        }
    }
}

}  // namespace korvex::pruebas
