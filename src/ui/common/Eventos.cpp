#include "ui/common/Eventos.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace korvex::ui {

namespace {

class FiltroFoco : public QObject {
  public:
    FiltroFoco(QWidget* campo, std::function<void()> accion)
        : QObject(campo), accion_(std::move(accion)) {}

  protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) {
            const auto razon = static_cast<QFocusEvent*>(e)->reason();
            if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason) {
                QPointer<QObject> vivo(objeto);
                auto accion = accion_;
                QTimer::singleShot(0, objeto, [vivo, accion] {
                    if (vivo) accion();
                });
            }
        }
        return false;
    }

  private:
    std::function<void()> accion_;
};

}  // namespace

void AlPerderFoco(QWidget* campo, std::function<void()> accion) {
    if (campo == nullptr) return;
    campo->installEventFilter(new FiltroFoco(campo, std::move(accion)));
}

void Seleccionar(QLineEdit* campo) {
    if (campo == nullptr) return;
    campo->setFocus(Qt::OtherFocusReason);
    campo->setSelection(0, static_cast<int>(campo->text().size()));
}

}  // namespace korvex::ui
