// A screen with a device pixel ratio of 2: the twip drawings and the toolbar
// pictures are painted with the device's own pixels, not scaled up from a
// picture of the logical size.
#include "comun/Ayudas.h"
#include "ui/common/Iconos.h"
#include "ui/common/Lienzo.h"

namespace korvex::ui {
namespace {

TEST(AltaResolucion, DibujoEnTwipsConLosPixelesDelDispositivo) {
    const QRgb azul = qRgb(0, 0, 255), rojo = qRgb(255, 0, 0);
    Lienzo l(4500, 3000);
    l.Linea({300, 300}, {4200, 1700}, azul);    // thin and sloped
    l.Linea({2250, 2000}, {2250, 2800}, rojo);  // thin and vertical
    l.resize(300, 200);
    QImage img(600, 400, QImage::Format_RGB32);  // the box on a ratio-2 screen
    img.setDevicePixelRatio(2);
    l.render(&img);

    // Inside the frame only the background and the two pure colours (nothing
    // smoothed out of a smaller picture), and the slope's top edge climbing
    // by single device pixels, on odd rows too (a doubled picture has none).
    const QRgb fondo = img.pixel(10, 380);
    int ajenos = 0, impares = 0, columnas = 0;
    for (int x = 4; x < 596; ++x) {
        bool borde = false;
        for (int y = 4; y < 396; ++y) {
            const QRgb c = img.pixel(x, y);
            ajenos += c != fondo && c != azul && c != rojo;
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
    // A thin line keeps the weight of one standard pixel (two device pixels),
    // so a hatched diagram is as dense as on an ordinary screen.
    int ancho = 0;
    for (int x = 0; x < 600; ++x) ancho += img.pixel(x, 330) == rojo;
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
        }
    }
    EXPECT_TRUE(Icono("Otra").isNull());
}

}  // namespace
}  // namespace korvex::ui
