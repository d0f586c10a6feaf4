// The monkey's actions: what a user can do in the windows at hand, chosen
// at random with a weight per kind, and the answers to the file dialogs.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "monkey/Mono.h"
#include "ui/common/Registro.h"
#include "ui/main/frmGeneral.h"

namespace korvex::pruebas {

namespace {

QString Describir(const QWidget* w) {
    QString d = NombreDe(w->window()) + "/";
    if (w->objectName().isEmpty() && w->parentWidget() != w->window()) {
        d += NombreDe(w->parentWidget()) + "/";
    }
    d += NombreDe(w);
    const QVariant t = w->property("text");
    if (t.isValid() && !t.toString().isEmpty()) d += " \"" + t.toString().left(30) + "\"";
    return d;
}

// The system-information button starts another program of the machine.
bool Excluido(const QWidget* w) {
    return w->objectName() == "cmdSysInfo" || w->objectName().startsWith("qt_");
}

struct Candidatos {
    std::vector<QAbstractButton*> botones;
    std::vector<QLineEdit*> campos;
    std::vector<QComboBox*> combos;
    std::vector<QAbstractItemView*> vistas;
    std::vector<QWidget*> lienzos;  // widgets that follow the mouse
    std::vector<QAction*> menus;
};

Candidatos Buscar(const std::vector<QWidget*>& ventanas) {
    Candidatos c;
    for (QWidget* v : ventanas) {
        for (QWidget* w : v->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled() || Excluido(w)) continue;
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                auto* t = qobject_cast<QToolButton*>(b);
                if (t == nullptr || t->menu() == nullptr) c.botones.push_back(b);
            } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
                if (!e->isReadOnly()) c.campos.push_back(e);
            } else if (auto* k = qobject_cast<QComboBox*>(w)) {
                if (k->count() > 0) c.combos.push_back(k);
            } else if (auto* vista = qobject_cast<QAbstractItemView*>(w)) {
                if (!w->inherits("QHeaderView") && vista->model() != nullptr &&
                    vista->model()->rowCount() > 0 && vista->model()->columnCount() > 0) {
                    c.vistas.push_back(vista);
                }
            } else if (w->hasMouseTracking()) {
                c.lienzos.push_back(w);
            }
        }
        if (auto* mw = qobject_cast<QMainWindow*>(v);
            mw != nullptr && mw->menuWidget() != nullptr) {
            for (QAction* m : mw->menuBar()->actions()) {
                if (m->menu() == nullptr || !m->isEnabled() || !m->isVisible()) continue;
                for (QAction* a : m->menu()->actions()) {
                    if (!a->isSeparator() && a->isEnabled() && a->isVisible() && !a->menu()) {
                        c.menus.push_back(a);
                    }
                }
            }
        }
    }
    return c;
}

}  // namespace

void Mono::Actuar(const std::vector<QWidget*>& alcance) {
    const Candidatos c = Buscar(alcance);
    auto* g = ui::Registro::Instancia().SiExiste<ui::frmGeneral>();
    const bool libre = QApplication::activeModalWidget() == nullptr;
    std::vector<std::pair<int, std::function<void()>>> tipos;
    auto elegir = [this](const auto& v) {
        return v[static_cast<std::size_t>(Azar(static_cast<int>(v.size())))];
    };
    if (!c.botones.empty()) {
        tipos.emplace_back(30, [&] {
            QAbstractButton* b = elegir(c.botones);
            Registrar("clic " + Describir(b));
            Activar(b);
            QTest::mouseClick(b, Qt::LeftButton);
        });
    }
    if (!c.campos.empty()) tipos.emplace_back(30, [&] { Teclear(elegir(c.campos)); });
    if (!c.menus.empty()) {
        tipos.emplace_back(8, [&] {
            QAction* a = elegir(c.menus);
            Registrar("menú " + NombreDe(a) + " \"" + a->text() + "\"");
            a->trigger();
        });
    }
    if (!c.combos.empty()) {
        tipos.emplace_back(4, [&] {
            QComboBox* k = elegir(c.combos);
            const bool abajo = Azar(2) == 0;
            Registrar("lista " + Describir(k) + (abajo ? " abajo" : " arriba"));
            Activar(k);
            k->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(k, abajo ? Qt::Key_Down : Qt::Key_Up);
        });
    }
    if (!c.vistas.empty()) {
        tipos.emplace_back(5, [&] {
            QAbstractItemView* v = elegir(c.vistas);
            const QModelIndex i =
                v->model()->index(Azar(v->model()->rowCount()), Azar(v->model()->columnCount()));
            Registrar(QString("celda %1 (%2, %3)").arg(Describir(v)).arg(i.row()).arg(i.column()));
            v->scrollTo(i);
            const QRect r = v->visualRect(i);
            if (r.isEmpty()) return;
            Activar(v);
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
        });
    }
    if (!c.lienzos.empty()) {
        tipos.emplace_back(3, [&] {
            QWidget* w = elegir(c.lienzos);
            const QPoint p(Azar(std::max(1, w->width())), Azar(std::max(1, w->height())));
            Registrar(QString("ratón sobre %1 (%2, %3)").arg(Describir(w)).arg(p.x()).arg(p.y()));
            QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        });
    }
    if (!alcance.empty()) {
        tipos.emplace_back(4, [&] { Cerrar(elegir(alcance)); });
        tipos.emplace_back(3, [&] {
            QWidget* v = alcance.front();
            QWidget* f = QApplication::focusWidget();
            if (f == nullptr || f->window() != v) f = v;
            const bool escape = Azar(2) == 0;
            Registrar("tecla " + QString(escape ? "Escape" : "Enter") + " en " + Describir(f));
            Activar(v);
            QTest::keyClick(f, escape ? Qt::Key_Escape : Qt::Key_Return);
        });
    }
    if (libre && g != nullptr && g->isVisible() && g->mnuArchivoAbrir->isEnabled()) {
        tipos.emplace_back(4, [&] {
            Registrar("abrir un ejemplo");
            preferirEjemplo_ = true;
            g->mnuArchivoAbrir->trigger();
            preferirEjemplo_ = false;
        });
    }
    if (tipos.empty()) {
        Registrar("(nada que hacer)");
        return;
    }
    int total = 0;
    for (const auto& t : tipos) total += t.first;
    int r = Azar(total);
    for (const auto& [peso, accion] : tipos) {
        if (r < peso) {
            accion();
            return;
        }
        r -= peso;
    }
}

// A field typed as a user types it: a click into it, the whole text
// replaced, then Tab or Enter. The text stays the user's until the program
// changes it.
void Mono::Teclear(QLineEdit* campo) {
    const QString texto = TextoAzar();
    const bool enter = Azar(3) == 0;
    Registrar("teclear en " + Describir(campo) + ": \"" + texto.left(60) +
              (texto.size() > 60 ? "…" : "") + "\" + " + (enter ? "Enter" : "Tab"));
    QPointer<QLineEdit> c(campo);
    Activar(campo);
    QTest::mouseClick(campo, Qt::LeftButton);
    if (!c || !c->isVisible() || !c->isEnabled()) return;
    c->selectAll();
    if (texto.isEmpty()) QTest::keyClick(c, Qt::Key_Delete);
    for (const QChar ch : texto) {
        if (!c) return;
        if (ch.unicode() < 0x80) {
            QTest::keyClick(c, ch.toLatin1());
        } else {  // a key of a Spanish keyboard: its text, no ASCII key code
            QKeyEvent pulsa(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QKeyEvent suelta(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(c, &pulsa);
            if (c) QApplication::sendEvent(c, &suelta);
        }
    }
    if (!c) return;
    tecleado_[c.data()] = c->text();
    QTest::keyClick(c, enter ? Qt::Key_Return : Qt::Key_Tab);
}

// A file dialog gets a name inside the run's folder, or is cancelled. Open:
// an example copy (always when the action was "open an example"), a project
// the run saved, a file that is no project, a folder, a missing file, the
// polygon file. Save: a new name (with or without the extension), an example
// copy or an earlier file (overwriting, with the dialog's question), a
// folder, a missing folder, a read-only folder.
void Mono::Responder(QFileDialog* dlg) {
    const QDir d(carpeta_);
    const QStringList ejemplos = d.entryList({"viga_*.kvx"}, QDir::Files);
    QString nombre;
    const bool abrir = dlg->acceptMode() == QFileDialog::AcceptOpen;
    const QString ext = dlg->defaultSuffix().isEmpty() ? "kvx" : dlg->defaultSuffix();
    if (abrir && (preferirEjemplo_ || Azar(2) == 0) && !ejemplos.isEmpty()) {
        nombre = ejemplos[Azar(static_cast<int>(ejemplos.size()))];
    } else if (Azar(8) == 0) {
        nombre.clear();  // cancelled
    } else if (abrir) {
        const QStringList otros = {"malo.kvx", "carpeta.kvx", "no_existe.kvx", "seccion_L.txt"};
        if (!guardados_.empty() && Azar(2) == 0) {
            nombre =
                guardados_[static_cast<std::size_t>(Azar(static_cast<int>(guardados_.size())))];
        } else {
            nombre = otros[Azar(static_cast<int>(otros.size()))];
        }
    } else {
        const QString nuevo = QString("guardado-%1").arg(Azar(4));
        const QStringList opciones = {nuevo,
                                      nuevo + "." + ext,
                                      nuevo + "." + ext,
                                      ejemplos.isEmpty() ? nuevo : ejemplos.front(),
                                      "carpeta.kvx",
                                      "no_existe/x." + ext,
                                      "solo_lectura/x." + ext};
        nombre = opciones[Azar(static_cast<int>(opciones.size()))];
    }
    Registrar("diálogo " + NombreDe(dlg) + ": " + (nombre.isEmpty() ? "cancelar" : nombre));
    if (nombre.isEmpty()) {
        dlg->reject();
        return;
    }
    // The dialog does not replace a name being typed: the name field must
    // not have the focus.
    if (QWidget* f = dlg->focusWidget()) f->clearFocus();
    dlg->selectFile(d.filePath(nombre));
    QMetaObject::invokeMethod(dlg, "accept");
}

}  // namespace korvex::pruebas
