// Common window pieces: the real message box of each style (icon, buttons,
// answer); on a screen of device pixel ratio 2 the twip drawings and toolbar
// pictures painted with the device's pixels, not scaled up.
#include <algorithm>

#include "comun/Ayudas.h"
#include "ui/common/Iconos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"

namespace korvex::ui {
namespace {

using Comun = pruebas::Entorno;

TEST_F(Comun, CajaRealConIconoYBotonesDeSuEstilo) {
    pruebas::Mensajes::ModoPrueba(false);
    // Style = buttons (1: OK and Cancel) + icon; the Cancel button pressed where asked.
    const std::tuple<int, QMessageBox::Icon, bool> casos[] = {
        {0, QMessageBox::NoIcon, false},    {16, QMessageBox::Critical, false},
        {33, QMessageBox::Question, false}, {33, QMessageBox::Question, true},
        {48, QMessageBox::Warning, false},  {64, QMessageBox::Information, false}};
    for (const auto& [estilo, icono, pulsarCancelar] : casos) {
        QString visto;
        QTimer::singleShot(0, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caja == nullptr) return;
            visto = QString("%1 %2 %3|%4")
                        .arg(caja->icon())
                        .arg(caja->button(QMessageBox::Cancel) != nullptr)
                        .arg(caja->windowTitle(), caja->text());
            caja->button(pulsarCancelar ? QMessageBox::Cancel : QMessageBox::Ok)->click();
        });
        EXPECT_EQ(MostrarMensaje("Texto ñ", "Título", estilo),
                  pulsarCancelar ? kRespuestaCancelar : kRespuestaOk)
            << estilo;
        EXPECT_EQ(visto, QString::fromUtf8("%1 %2 Título|Texto ñ").arg(icono).arg(estilo == 33));
    }
}

TEST(AltaResolucion, DibujoEnTwipsConLosPixelesDelDispositivo) {
    const QRgb azul = qRgb(0, 0, 255), rojo = qRgb(255, 0, 0);
    Lienzo l(4500, 3000);
    l.Linea({300, 300}, {4200, 1700}, azul);    // thin and sloped
    l.Linea({2250, 2000}, {2250, 2800}, rojo);  // thin and vertical
    l.resize(300, 200);
    QImage img(600, 400, QImage::Format_RGB32);  // the box on a ratio-2 screen
    img.setDevicePixelRatio(2);
    l.render(&img);

    // Only the background and the two pure colours (nothing smoothed), and the
    // slope's top edge on odd device rows too (a doubled picture has none).
    const QRgb fondo = img.pixel(10, 380);
    int ajenos = 0, impares = 0, columnas = 0, ancho = 0;
    for (int x = 4; x < 596; ++x) {
        bool borde = false;
        for (int y = 4; y < 396; ++y) {
            const QRgb c = img.pixel(x, y);
            ajenos += c != fondo && c != azul && c != rojo;
            ancho += y == 330 && c == rojo;
            if (c == azul && !borde) {
                borde = true;
                impares += y % 2;
                ++columnas;
            }
        }
    }
    EXPECT_EQ(ajenos, 0);
    EXPECT_GT(columnas, 500);
    EXPECT_GT(impares, columnas / 4);
    // A thin line weighs one standard pixel: two device pixels across row 330.
    EXPECT_EQ(ancho, 2);
}

TEST(AltaResolucion, IconosDibujadosAlTamanoDelDispositivo) {
    auto imagen = [](const QPixmap& p) {
        return p.toImage().convertToFormat(QImage::Format_ARGB32);
    };
    for (const char* clave : {"Nuevo", "Abrir", "Salvar", "Imprimir", "Cargas", "Secciones",
                              "Ayuda", "Viga_Rect", "Viga_T", "Viga_Ti"}) {
        const QIcon icono = Icono(clave);
        for (QIcon::Mode modo : {QIcon::Normal, QIcon::Disabled}) {
            SCOPED_TRACE(std::string(clave) + (modo == QIcon::Normal ? "" : " inhabilitado"));
            const QPixmap doble = icono.pixmap(QSize(32, 32), 2.0, modo);
            EXPECT_EQ(doble.deviceIndependentSize(), QSizeF(32, 32));
            // The picture drawn at 64 pixels, not the 32-pixel one enlarged.
            EXPECT_EQ(imagen(doble), imagen(icono.pixmap(QSize(64, 64), 1.0, modo)));
            // A drawing: opaque ink and a clear background both present.
            const QImage a = imagen(doble).convertToFormat(QImage::Format_Alpha8);  // alpha alone
            const auto opacos = std::count(a.constBits(), a.constBits() + a.sizeInBytes(), 255);
            EXPECT_GT(opacos, 64 * 64 / 10);
            EXPECT_LT(opacos, 64 * 64);
        }
    }
    EXPECT_TRUE(Icono("Otra").isNull());
}

}  // namespace
}  // namespace korvex::ui
