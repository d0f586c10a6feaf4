// The window registry and the one project of the running program.
//
// Every window exists once. Ventana<T>() hands out the window of class T,
// creating it (with no parent) on first use, so a window can be asked to do
// something before it was ever shown. SiExiste<T>() answers nullptr for a
// window not created yet.
// Descargar<T>() unloads a window (its close box, for the windows whose
// close box unloads them): it is hidden, deleted as soon as control returns
// to the event loop, and the next Ventana<T>() builds a fresh one, which runs
// its load code again.
//
// proyecto() is the project every window, the calculation workflow, the
// file writer and the report read: beam, loads, results (estado), section
// (seccion), material fields (materiales) and the saved load-window
// controls (ventana). A window reaches it only through ProyectoActual().
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>
#include <typeinfo>

#include "project/Proyecto.h"

namespace korvex::ui {

class Registro {
  public:
    static Registro& Instancia();

    Proyecto& proyecto() { return proyecto_; }

    template <class T>
    T* Ventana() {
        if (T* v = SiExiste<T>()) return v;
        T* nueva = new T();
        ventanas_[std::type_index(typeid(T))] = nueva;
        return nueva;
    }

    template <class T>
    T* SiExiste() const {
        auto it = ventanas_.find(std::type_index(typeid(T)));
        if (it == ventanas_.end() || it->second.isNull()) return nullptr;
        return static_cast<T*>(it->second.data());
    }

    template <class T>
    void Descargar() {
        auto it = ventanas_.find(std::type_index(typeid(T)));
        if (it == ventanas_.end()) return;
        QPointer<QWidget> v = it->second;
        ventanas_.erase(it);
        Eliminar(v);
    }

    // Unloads every window and starts a new empty project (program end and
    // test set-up).
    void Vaciar();

  private:
    Registro() = default;
    static void Eliminar(QPointer<QWidget> v);

    Proyecto proyecto_;
    std::map<std::type_index, QPointer<QWidget>> ventanas_;
};

// The project of the running program, and the window of class T.
inline korvex::Proyecto& ProyectoActual() {
    return Registro::Instancia().proyecto();
}
template <class T>
T* Ventana() {
    return Registro::Instancia().Ventana<T>();
}

}  // namespace korvex::ui
