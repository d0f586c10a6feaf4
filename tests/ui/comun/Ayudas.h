// Helpers of the window tests. Hijo<T> finds a child by objectName or fails
// the test (and throws, ending it). Entorno starts each test from a fresh program with the messages
// recorded, not shown. Robot answers modal windows as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "comun/Vigas.h"
#include "model/Interfaz.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"

namespace korvex {
inline void PrintTo(const Mensaje& m, std::ostream* os) {
    *os << "{" << m.titulo << ": " << m.texto << ", " << m.estilo << "}";
}
}  // namespace korvex

namespace korvex::pruebas {

template <class T>
T* Hijo(const QObject* padre, const QString& nombre) {
    T* h = padre != nullptr ? padre->findChild<T*>(nombre) : nullptr;
    if (h != nullptr) return h;
    const std::string texto = "no se encontró el control '" + nombre.toStdString() + "' (" +
                              T::staticMetaObject.className() + ") en '" +
                              (padre != nullptr ? padre->objectName() : "sin padre").toStdString() +
                              "'";
    ADD_FAILURE() << texto;
    throw std::runtime_error(texto);
}

namespace detalle {
// The windows' interface in test mode (ModoPrueba(false) restores the real
// boxes): every message recorded; a box with a Cancel button takes its answer
// from ProgramarRespuesta() (none queued: OK, or No for Sí/No/Cancelar).
class InterfazPrueba : public Interfaz {
  public:
    int MostrarMensaje(const Mensaje& m) override {
        registrados.push_back(m);
        const int botones = m.estilo & 0x0F;  // 1 OK/Cancel, 3 Sí/No/Cancelar
        if (botones != 1 && botones != 3) return kRespuestaOk;
        if (respuestas.empty()) return botones == 1 ? kRespuestaOk : kRespuestaNo;
        const int r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::string PedirDiametroEstribo() override {
        ++preguntasEstribo;
        return "3/8";
    }
    int preguntasEstribo = 0;
    std::vector<Mensaje> registrados;
    std::deque<int> respuestas;
};

inline InterfazPrueba doble;
}  // namespace detalle

struct Mensajes {
    static void ModoPrueba(bool activo) { ui::FijarAdaptador(activo ? &detalle::doble : nullptr); }
    static const std::vector<Mensaje>& Registrados() { return detalle::doble.registrados; }
    static void Limpiar() { detalle::doble = detalle::InterfazPrueba{}; }
    static void ProgramarRespuesta(int r) { detalle::doble.respuestas.push_back(r); }
    // Times the stirrup question was asked (answered "3/8") since Limpiar.
    static int PreguntasEstribo() { return detalle::doble.preguntasEstribo; }
};

// The last registered message, or an empty one.
inline Mensaje UltimoMensaje() {
    const auto& r = Mensajes::Registrados();
    return r.empty() ? Mensaje{} : r.back();
}

// Lets queued events run (focus changes, deferred checks and deletions).
inline void ProcesarEventos() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A field typed as a user types it: focus, the text replaced, Tab; then the
// deferred check on leaving runs.
inline void Teclear(QLineEdit* campo, const QString& texto) {
    campo->setFocus(Qt::MouseFocusReason);
    campo->selectAll();
    if (texto.isEmpty()) {
        QTest::keyClick(campo, Qt::Key_Delete);
    } else {
        QTest::keyClicks(campo, texto);
    }
    QTest::keyClick(campo, Qt::Key_Tab);
    ProcesarEventos();
}

class Entorno : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings().clear();  // no recent projects nor last folder of another test
        Entorno::TearDown();  // no window, an empty project, messages recorded
    }
    void TearDown() override {
        ui::Registro::Instancia().Vaciar();
        ProcesarEventos();
        Mensajes::ModoPrueba(true);
        Mensajes::Limpiar();
    }
    // The program's window of class V, shown and active (nullptr, after a
    // failure, when it does not become active).
    template <class V>
    V* Activa() {
        V* v = ui::Ventana<V>();
        v->show();
        QApplication::setActiveWindow(v);
        if (QTest::qWaitForWindowActive(v)) return v;
        ADD_FAILURE() << "la ventana " << V::staticMetaObject.className() << " no se activó";
        return nullptr;
    }
};

// A message box is read ("title: text") and accepted (Cancelar without OK),
// a file dialog gets the next name of `archivos` (empty: cancelled), any
// other window the answer given for its class.
class Robot : public QObject {
  public:
    Robot() {
        // A window being answered may open another modal one (a message box
        // over the load window): that one is answered from within.
        connect(&reloj_, &QTimer::timeout, this, [this] {
            QWidget* m = QApplication::activeModalWidget();
            if (m == nullptr || !m->isVisible() || enCurso_.count(m) != 0) return;
            enCurso_.insert(m);
            QTimer::singleShot(0, this, [this, m] {
                if (m == QApplication::activeModalWidget()) Atender(m);
                enCurso_.erase(m);
            });
        });
        reloj_.start(5);
    }
    void Responder(const std::string& clase, std::function<void(QWidget*)> respuesta) {
        respuestas_[clase] = std::move(respuesta);
    }
    std::vector<std::string> cajas;  // "title: text" of each message box read
    std::deque<QString> archivos;    // names for the next file dialogs

  private:
    void Atender(QWidget* m) {
        const std::string clase = m->metaObject()->className();
        if (const auto it = respuestas_.find(clase); it != respuestas_.end()) {
            it->second(m);
        } else if (auto* caja = qobject_cast<QMessageBox*>(m)) {
            cajas.push_back(caja->windowTitle().toStdString() + ": " + caja->text().toStdString());
            // OK, or the answer that changes nothing where there is no OK.
            QAbstractButton* b = caja->button(QMessageBox::Ok);
            QTest::mouseClick(b != nullptr ? b : caja->escapeButton(), Qt::LeftButton);
        } else if (auto* dlg = qobject_cast<QFileDialog*>(m)) {
            const QString nombre = archivos.empty() ? QString() : archivos.front();
            if (!archivos.empty()) archivos.pop_front();
            if (nombre.isEmpty()) {
                dlg->reject();
            } else {
                // The dialog does not replace the name a user is typing: the
                // name field must not have the focus.
                if (QWidget* f = dlg->focusWidget()) f->clearFocus();
                dlg->selectFile(nombre);
                QMetaObject::invokeMethod(dlg, "accept");
                if (dlg->isVisible()) {
                    ADD_FAILURE() << "el diálogo no aceptó " << nombre.toStdString();
                    dlg->reject();
                }
            }
        }
    }
    std::map<std::string, std::function<void(QWidget*)>> respuestas_;
    std::set<QWidget*> enCurso_;
    QTimer reloj_;
};

}  // namespace korvex::pruebas
