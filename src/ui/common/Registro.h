// The window registry of the running program.
//
// Every window exists once. Ventana<T>(args...) hands out the window of class
// T, creating it (with no parent, from `args`: the document, for a window
// that reads or writes the project) on first use, so a window can be asked
// to do something before it was ever shown; the arguments are not used for
// a window that exists. SiExiste<T>() answers nullptr for a window not
// created yet.
// Descargar<T>() unloads a window (its close box, for the windows whose
// close box unloads them): it is hidden, deleted as soon as control returns
// to the event loop, and the next Ventana<T>() builds a fresh one, which runs
// its load code again.
//
// The registry holds no project: the main window owns the document and hands
// it to the windows it opens.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>
#include <typeinfo>
#include <utility>

namespace korvex::ui {

class Registro {
  public:
    static Registro& Instancia();

    template <class T, class... Args>
    T* Ventana(Args&&... args) {
        if (T* v = SiExiste<T>()) return v;
        T* nueva = new T(std::forward<Args>(args)...);
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

    // Unloads every window (program end and test set-up).
    void Vaciar();

  private:
    Registro() = default;
    static void Eliminar(QPointer<QWidget> v);

    std::map<std::type_index, QPointer<QWidget>> ventanas_;
};

// The window of class T.
template <class T, class... Args>
T* Ventana(Args&&... args) {
    return Registro::Instancia().Ventana<T>(std::forward<Args>(args)...);
}

}  // namespace korvex::ui
