// The shared window machinery: the registry, the message adapter in test
// mode and with real boxes, the twip drawing surface and the background codes
// that the project file stores.
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTimer>

#include "comun/Ayudas.h"
#include "ui/common/Colores.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"

namespace korvex::ui {
namespace {

struct VentanaPrueba : QWidget {
    VentanaPrueba() { ++creadas; }
    static inline int creadas = 0;
};

using Comun = pruebas::Entorno;

TEST_F(Comun, RegistroCreaCadaVentanaUnaVezDescargarLaRehaceYVaciarLasQuita) {
    Registro& r = Registro::Instancia();
    VentanaPrueba::creadas = 0;
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), nullptr);
    VentanaPrueba* a = r.Ventana<VentanaPrueba>();
    EXPECT_EQ(r.Ventana<VentanaPrueba>(), a);
    EXPECT_EQ(VentanaPrueba::creadas, 1);
    QPointer<QWidget> vieja(a);
    r.Descargar<VentanaPrueba>();
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), nullptr);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(vieja.isNull()) << "an unloaded window is destroyed";
    r.Ventana<VentanaPrueba>();
    EXPECT_EQ(VentanaPrueba::creadas, 2);
    r.proyecto().materiales.txtFc = "350";
    r.Vaciar();
    EXPECT_EQ(r.proyecto().materiales.txtFc, "210");
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), nullptr);
}

TEST_F(Comun, CajaRealConIconoYBotonesDeSuEstilo) {
    pruebas::Mensajes::ModoPrueba(false);
    struct Caso {
        int estilo;
        QMessageBox::Icon icono;
        bool cancelar, pulsarCancelar;
        int respuesta;
    };
    for (const Caso& c : {Caso{0, QMessageBox::NoIcon, false, false, kRespuestaOk},
                          Caso{16, QMessageBox::Critical, false, false, kRespuestaOk},
                          Caso{33, QMessageBox::Question, true, false, kRespuestaOk},
                          Caso{33, QMessageBox::Question, true, true, kRespuestaCancelar},
                          Caso{48, QMessageBox::Warning, false, false, kRespuestaOk},
                          Caso{64, QMessageBox::Information, false, false, kRespuestaOk}}) {
        QMessageBox::Icon visto = QMessageBox::NoIcon;
        bool conCancelar = false;
        QString texto;
        QTimer::singleShot(0, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caja == nullptr) return;
            visto = caja->icon();
            conCancelar = caja->button(QMessageBox::Cancel) != nullptr;
            texto = caja->windowTitle() + "|" + caja->text();
            caja->button(c.pulsarCancelar ? QMessageBox::Cancel : QMessageBox::Ok)->click();
        });
        SCOPED_TRACE(c.estilo);
        EXPECT_EQ(MostrarMensaje("Texto ñ", "Título", c.estilo), c.respuesta);
        EXPECT_EQ(visto, c.icono);
        EXPECT_EQ(conCancelar, c.cancelar);
        EXPECT_EQ(texto, QString::fromUtf8("Título|Texto ñ"));
    }
    pruebas::Mensajes::ModoPrueba(true);
}

TEST_F(Comun, LienzoGuardaTwipsYLosEscalaAlTamanoReal) {
    Lienzo l(2000, 1000);
    l.resize(400, 100);  // 0.2 px per twip across, 0.1 down
    l.Linea({0, 500}, {2000, 500}, Qt::red);
    EXPECT_EQ(l.Primitivas().at(0).puntos[1], QPointF(2000, 500));
    EXPECT_EQ(l.APixeles({1000, 500}), QPointF(200, 50));
    EXPECT_EQ(l.ATwips({100, 25}), QPointF(500, 250));
    // Replayed on an image twice the size: the line lies at half height.
    QImage img(800, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        l.Pintar(p, QRectF(0, 0, 800, 200));
    }
    EXPECT_EQ(img.pixelColor(400, 100), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(400, 150), QColor(Qt::white));
    l.Limpiar();
    EXPECT_TRUE(l.Primitivas().empty());

    // Keeping the proportion centres the drawing in a wider box.
    Lienzo cuadrado(1000, 1000);
    cuadrado.MantenerProporcion(true);
    cuadrado.resize(300, 100);
    EXPECT_EQ(cuadrado.APixeles({0, 0}), QPointF(100, 0));
    EXPECT_EQ(cuadrado.APixeles({1000, 1000}), QPointF(200, 100));

    // Children placed in twips follow the box; the mouse is reported in twips.
    l.resize(400, 200);
    l.show();
    auto* etiqueta = new QLabel("Mmax:");
    l.Colocar(etiqueta, 480, 100);
    EXPECT_EQ(etiqueta->pos(), QPoint(96, 20));
    l.resize(800, 400);
    EXPECT_EQ(etiqueta->x(), 192);
    EXPECT_DOUBLE_EQ(l.IzquierdaTwips(etiqueta), 480);
    QSignalSpy espia(&l, &Lienzo::MovimientoTwips);
    QMouseEvent mov(QEvent::MouseMove, QPointF(400, 100), QPointF(400, 100), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&l, &mov);
    ASSERT_EQ(espia.count(), 1);
    EXPECT_DOUBLE_EQ(espia[0][0].toDouble(), 1000);
    EXPECT_DOUBLE_EQ(espia[0][1].toDouble(), 250);
}

// The codes land in the project file, so they must survive the round trip.
TEST_F(Comun, ColoresDeFondoConSuCodigo) {
    QLineEdit campo;
    EXPECT_TRUE(EsFondoVentana(&campo));
    FondoBoton(&campo);
    EXPECT_EQ(CodigoFondo(&campo), -2147483633);
    EXPECT_EQ(campo.palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    AplicarCodigoFondo(&campo, -2147483643);
    EXPECT_TRUE(EsFondoVentana(&campo));
    EXPECT_EQ(campo.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

}  // namespace
}  // namespace korvex::ui
