// The real message box of each style: its icon, its buttons and the answer.

#include "comun/Ayudas.h"
#include "ui/common/Mensajes.h"

namespace korvex::ui {
namespace {

using Comun = pruebas::Entorno;

TEST_F(Comun, CajaRealConIconoYBotonesDeSuEstilo) {
    pruebas::Mensajes::ModoPrueba(false);
    const struct {
        int estilo;
        QMessageBox::Icon icono;
        bool cancelar, pulsarCancelar;
        int respuesta;
    } casos[] = {{0, QMessageBox::NoIcon, false, false, kRespuestaOk},
                 {16, QMessageBox::Critical, false, false, kRespuestaOk},
                 {33, QMessageBox::Question, true, false, kRespuestaOk},
                 {33, QMessageBox::Question, true, true, kRespuestaCancelar},
                 {48, QMessageBox::Warning, false, false, kRespuestaOk},
                 {64, QMessageBox::Information, false, false, kRespuestaOk}};
    for (const auto& c : casos) {
        QString visto;
        QTimer::singleShot(0, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caja == nullptr) return;
            visto = QString("%1 %2 %3|%4")
                        .arg(caja->icon())
                        .arg(caja->button(QMessageBox::Cancel) != nullptr)
                        .arg(caja->windowTitle(), caja->text());
            caja->button(c.pulsarCancelar ? QMessageBox::Cancel : QMessageBox::Ok)->click();
        });
        EXPECT_EQ(MostrarMensaje("Texto ñ", "Título", c.estilo), c.respuesta) << c.estilo;
        EXPECT_EQ(visto, QString::fromUtf8("%1 %2 Título|Texto ñ").arg(c.icono).arg(c.cancelar));
    }
}

}  // namespace
}  // namespace korvex::ui
