// Helpers of the window tests.
//
// Hijo<T>(padre, "nombre") finds a child by objectName, failing the test
// (naming child and parent) when it is missing. Entorno starts every test
// from a fresh program: no window yet, an empty project, messages recorded.
//
// Mensajes is the windows' interface in test mode, set in place of the real
// boxes (ModoPrueba(false) restores them): every message is recorded; a box
// with a Cancel button takes its answer from the queue of
// ProgramarRespuesta() (when empty: OK, and No for a Sí/No/Cancelar box, so
// the program goes on without saving), one with only OK answers OK; the
// stirrup question is answered "3/8".
//
// Robot answers the modal windows as they come up, the way a user would:
// a message box is read ("title: text") and accepted (Cancelar for one
// without OK), a file dialog gets the next name of Archivos (an empty name
// cancels it), any other window goes to the answer given for its class.
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
#include "ui/common/Registro.h"

namespace korvex {
inline void PrintTo(const Mensaje& m, std::ostream* os) {
    *os << "{" << m.titulo << ": " << m.texto << ", " << m.estilo << "}";
}
}  // namespace korvex

namespace korvex::pruebas {

// Thrown by Hijo when the child is missing (a failure of the running test).
struct HijoAusente : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <class T>
T* Hijo(const QObject* padre, const QString& nombre) {
    if (padre == nullptr) throw HijoAusente("búsqueda de '" + nombre.toStdString() + "' sin padre");
    if (padre->objectName() == nombre) {
        if (auto* propio = qobject_cast<T*>(const_cast<QObject*>(padre))) return propio;
    }
    T* h = padre->findChild<T*>(nombre);
    if (h == nullptr) {
        const std::string texto = "no se encontró el control '" + nombre.toStdString() + "' (" +
                                  T::staticMetaObject.className() + ") en '" +
                                  padre->objectName().toStdString() + "'";
        ADD_FAILURE() << texto;
        throw HijoAusente(texto);
    }
    return h;
}

class Mensajes {
  public:
    static void ModoPrueba(bool activo);
    static const std::vector<Mensaje>& Registrados();
    static void Limpiar();
    static void ProgramarRespuesta(int respuesta);
};

// The last registered message, or an empty one.
Mensaje UltimoMensaje();

// Lets queued events run (focus changes, deferred checks and deletions).
void ProcesarEventos();

// A field typed as a user types it: focus, the text replaced, Tab; then the
// deferred check on leaving runs.
void Teclear(QLineEdit* campo, const QString& texto);

class Entorno : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

class Robot : public QObject {
  public:
    Robot();
    void Responder(const std::string& clase, std::function<void(QWidget*)> respuesta);
    std::vector<std::string> cajas;  // "title: text" of each message box read
    std::deque<QString> archivos;    // names for the next file dialogs

  private:
    void Atender(QWidget* m);
    std::map<std::string, std::function<void(QWidget*)>> respuestas_;
    std::set<QWidget*> enCurso_;
    QTimer reloj_;
};

}  // namespace korvex::pruebas
