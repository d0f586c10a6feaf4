// The undo history of the open project (Qt's undo stack) and the keys that
// reach it from every window of the project.
//
// Each step holds the project as it was before and after one change of its
// data, and the name the Edit menu shows. A change is recorded when the
// windows have handled it (Registrar, called after every input and every
// change they announce): whatever the window that made it, the project's
// data are compared with those of the last step. Undo and redo put the
// project back and let the main window show it (`mostrar`) without
// calculating: the results are then out of date, or current again when the
// data are back to those they were calculated with.
//
// The keystrokes typed during one visit to a field (f'c, the cover, the
// beam length...) make one step; leaving the field ends it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "project/Documento.h"

class QUndoStack;
class QWidget;

namespace korvex::ui {

class Historial : public QObject {
    Q_OBJECT

  public:
    Historial(Documento& documento, std::function<void()> mostrar, QObject* padre = nullptr);
    // The menu items that follow the stack may be gone already: the stack
    // tells nobody that it is emptied.
    ~Historial() override;

    // While `enCurso` answers true a change is still being made (the section
    // window is up: its fields become one step when it closes).
    void FijarEnCurso(std::function<bool()> enCurso) { enCurso_ = std::move(enCurso); }

    QUndoStack* pila() const { return pila_; }
    // A change of the project's data since the last step becomes a step;
    // nothing while a step is being undone or redone, nor (unless
    // `aunEnCurso`) while the change is still being made.
    void Registrar(bool aunEnCurso = false);
    // The next change of a field starts a step of its own.
    void Cortar() { ++visita_; }
    // No history: the project as it stands is the starting point (New,
    // every opening).
    void Vaciar();
    // A change not yet recorded is recorded first, so it is the one undone.
    void Deshacer();
    void Rehacer();
    // While a step is being put back.
    bool Restaurando() const { return restaurando_; }

  private:
    class Paso;
    void Aplicar(const Proyecto& foto);

    Documento& documento_;
    std::function<void()> mostrar_;
    std::function<bool()> enCurso_;
    QUndoStack* pila_;
    Proyecto base_;  // the project as the last step (or the start) left it
    int visita_ = 0;
    bool restaurando_ = false;
};

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in `ventana` (a window of the project other
// than the main one) ask the main window for undo and redo. A text field
// being edited keeps them for its own text.
void InstalarAtajosEdicion(QWidget* ventana);

}  // namespace korvex::ui
