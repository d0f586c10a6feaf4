// Helpers of the window tests.
//
// Hijo<T>(padre, "nombre") finds a child by objectName and fails the test
// clearly (naming the child and its parent) when it is missing, instead of
// crashing on a null pointer. Entorno is a fixture base that starts every
// test from a fresh program: no window created yet, an empty project, the
// messages recorded (not shown) with nothing recorded yet.
//
// Mensajes is the windows' interface in test mode, set in place of the real
// boxes (ModoPrueba(false) restores them): every message is recorded; a box
// with a Cancel button takes its answer from the queue of
// ProgramarRespuesta() (OK when empty), one with only OK answers OK; the
// stirrup question takes ProgramarEstribo()'s answers ("3/8" when none).
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Interfaz.h"
#include "ui/common/Registro.h"

namespace korvex::pruebas {

// Thrown by Hijo when the child is missing; GoogleTest reports it as a
// failure of the running test with its text.
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
    static void ProgramarEstribo(const std::string& diametro);
    static int PreguntasEstribo();
};

// Texts of the messages registered in test mode, in order.
std::vector<std::string> TextosMensajes();

// The last registered message, or an empty one.
Mensaje UltimoMensaje();

// Lets queued events run (focus changes, deferred LostFocus handlers,
// deferred deletions of unloaded windows).
void ProcesarEventos();

class Entorno : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace korvex::pruebas

namespace korvex::pruebas {

// Loads of a project, as the load window stores them (m, Tn, Tn/m, Tn.m).
Carga Puntual(float a, float P, float categoria, float L);
Carga Uniforme(float a, float b, float w, float categoria, float L);

// Puts a beam of length L on supports J, K with `cargas` into the registry's
// project, as the load window leaves it after its OK.
void PonerViga(float L, std::initializer_list<Carga> cargas, float J = 0, float K = -1);

// Full path of an example project.
QString Ejemplo(const char* nombre);

}  // namespace korvex::pruebas
