#include "ui/common/Registro.h"

namespace korvex::ui {

Registro& Registro::Instancia() {
    static Registro r;
    return r;
}

void Registro::Eliminar(QPointer<QWidget> v) {
    if (v.isNull()) return;
    v->hide();
    // Deleted later: the window may be unloading itself from one of its own
    // handlers (its close box), which must return before it goes.
    v->deleteLater();
}

void Registro::Vaciar() {
    auto ventanas = std::move(ventanas_);
    ventanas_.clear();
    for (auto& [tipo, v] : ventanas) Eliminar(v);
}

}  // namespace korvex::ui
