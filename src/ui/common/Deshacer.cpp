#include "ui/common/Deshacer.h"

#include <QKeySequence>
#include <QShortcut>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWidget>
#include <utility>

#include "project/Historial.h"
#include "ui/common/Avisos.h"

namespace korvex::ui {

// One change of the data: the project before and after it.
class Historial::Paso : public QUndoCommand {
  public:
    Paso(Historial& h, Proyecto antes, Proyecto despues, const PasoHistorial& paso, int visita)
        : QUndoCommand(QString::fromStdString(paso.nombre)),
          h_(h),
          antes_(std::move(antes)),
          despues_(std::move(despues)),
          campo_(paso.campo),
          visita_(visita) {}

    // The change was made by the windows already: only a redo applies it.
    void redo() override {
        if (hecho_) h_.Aplicar(despues_);
        hecho_ = true;
    }
    void undo() override { h_.Aplicar(antes_); }
    int id() const override { return campo_ ? 1 : -1; }
    bool mergeWith(const QUndoCommand* otro) override {
        const auto* o = static_cast<const Paso*>(otro);
        if (o->visita_ != visita_ || o->text() != text()) return false;
        despues_ = o->despues_;
        // Typed back to what it was: no step.
        setObsolete(DatosCalculadosDe(antes_) == DatosCalculadosDe(despues_));
        return true;
    }

  private:
    Historial& h_;
    Proyecto antes_, despues_;
    bool campo_;
    int visita_;
    bool hecho_ = false;
};

Historial::Historial(Documento& documento, std::function<void()> mostrar, QObject* padre)
    : QObject(padre),
      documento_(documento),
      mostrar_(std::move(mostrar)),
      pila_(new QUndoStack(this)),
      base_(documento.proyecto()) {}

Historial::~Historial() {
    QObject::disconnect(pila_, nullptr, nullptr, nullptr);
}

void Historial::Registrar(bool aunEnCurso) {
    if (restaurando_ || (!aunEnCurso && enCurso_ && enCurso_())) return;
    const Proyecto& actual = documento_.proyecto();
    const PasoHistorial paso = NombrarPaso(DatosCalculadosDe(base_), DatosCalculadosDe(actual));
    if (!paso.nombre.empty()) {
        pila_->push(new Paso(*this, base_, actual, paso, visita_));
    }
    // The window state (load type chosen, fields enabled) follows silently.
    base_ = actual;
}

void Historial::Vaciar() {
    pila_->clear();
    base_ = documento_.proyecto();
}

void Historial::Deshacer() {
    Registrar(true);
    pila_->undo();
}

void Historial::Rehacer() {
    Registrar(true);
    pila_->redo();
}

void Historial::Aplicar(const Proyecto& foto) {
    restaurando_ = true;
    RestaurarDatos(documento_.proyecto(), foto);
    mostrar_();
    base_ = documento_.proyecto();
    restaurando_ = false;
    Cortar();
}

void InstalarAtajosEdicion(QWidget* ventana) {
    Avisos* avisos = &Avisos::Instancia();
    const auto atajo = [&](const QKeySequence& teclas, void (Avisos::*aviso)()) {
        auto* s = new QShortcut(teclas, ventana);
        QObject::connect(s, &QShortcut::activated, avisos, aviso);
    };
    atajo(QKeySequence::Undo, &Avisos::PedirDeshacer);
    atajo(QKeySequence("Ctrl+Y"), &Avisos::PedirRehacer);
    atajo(QKeySequence("Ctrl+Shift+Z"), &Avisos::PedirRehacer);
}

}  // namespace korvex::ui
