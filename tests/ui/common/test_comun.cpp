// The shared window machinery: the registry, the message adapter in test
// mode, the twip drawing surface and the two system colours.
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
#include "ui/section/frmEstribos.h"

namespace korvex::ui {
namespace {

using pruebas::Entorno;

class VentanaPrueba : public QWidget {
  public:
    VentanaPrueba() { ++creadas; }
    static inline int creadas = 0;
};

using Comun = Entorno;

TEST_F(Comun, RegistroCreaCadaVentanaUnaVezDescargarLaRehaceYVaciarLasQuita) {
    Registro& r = Registro::Instancia();
    VentanaPrueba::creadas = 0;
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), nullptr);
    VentanaPrueba* a = r.Ventana<VentanaPrueba>();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(r.Ventana<VentanaPrueba>(), a);
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), a);
    EXPECT_EQ(VentanaPrueba::creadas, 1);

    QPointer<QWidget> vieja(a);
    r.Descargar<VentanaPrueba>();
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), nullptr);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(vieja.isNull()) << "la ventana descargada debe destruirse";
    r.Ventana<VentanaPrueba>();
    EXPECT_EQ(VentanaPrueba::creadas, 2);

    // Vaciar: a new project and no window left.
    r.proyecto().materiales.txtFc = "350";
    r.Vaciar();
    EXPECT_EQ(r.proyecto().materiales.txtFc, "210");
    EXPECT_EQ(r.SiExiste<VentanaPrueba>(), nullptr);
}

TEST_F(Comun, MensajesEnModoPruebaSeRegistranYContestanSoloLasPreguntas) {
    // The queued Cancel is kept for the question, not eaten by the OK-only box.
    Mensajes::ProgramarRespuesta(kRespuestaCancelar);
    EXPECT_EQ(MostrarMensaje("aviso", "Advertencia", kEstiloInformacion), kRespuestaOk);
    EXPECT_EQ(MostrarMensaje("¿seguro?", "Documento Nuevo", kEstiloPregunta), kRespuestaCancelar);
    EXPECT_EQ(MostrarMensaje("¿otra vez?", "Documento Nuevo", kEstiloPregunta), kRespuestaOk);
    const std::vector<Mensaje> esperados = {{"aviso", "Advertencia", 64},
                                            {"¿seguro?", "Documento Nuevo", 33},
                                            {"¿otra vez?", "Documento Nuevo", 33}};
    EXPECT_EQ(Mensajes::Registrados(), esperados);

    // The stirrup question: the programmed answer once, then 3/8, never the dialog.
    Mensajes::ProgramarEstribo("1/2");
    EXPECT_EQ(Adaptador().PedirDiametroEstribo(), "1/2");
    EXPECT_EQ(Adaptador().PedirDiametroEstribo(), "3/8");
    EXPECT_EQ(Mensajes::PreguntasEstribo(), 2);
    EXPECT_EQ(Registro::Instancia().SiExiste<frmEstribos>(), nullptr);
}

// The real boxes, driven as a user would: the icon and buttons of each style
// and the answer of each button.
TEST_F(Comun, CajaRealConIconoYBotonesDeSuEstilo) {
    Mensajes::ModoPrueba(false);
    struct Caso {
        int estilo;
        QMessageBox::Icon icono;
        bool cancelar;  // has a Cancel button
        bool pulsarCancelar;
        int respuesta;
    };
    const Caso casos[] = {
        {0, QMessageBox::NoIcon, false, false, kRespuestaOk},
        {16, QMessageBox::Critical, false, false, kRespuestaOk},
        {33, QMessageBox::Question, true, false, kRespuestaOk},
        {33, QMessageBox::Question, true, true, kRespuestaCancelar},
        {48, QMessageBox::Warning, false, false, kRespuestaOk},
        {64, QMessageBox::Information, false, false, kRespuestaOk},
    };
    for (const Caso& c : casos) {
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
        const int r = MostrarMensaje("Texto ñ", "Título", c.estilo);
        EXPECT_EQ(visto, c.icono) << "estilo " << c.estilo;
        EXPECT_EQ(conCancelar, c.cancelar) << "estilo " << c.estilo;
        EXPECT_EQ(texto, QString::fromUtf8("Título|Texto ñ"));
        EXPECT_EQ(r, c.respuesta) << "estilo " << c.estilo;
    }
    Mensajes::ModoPrueba(true);
}

TEST_F(Comun, LienzoGuardaTwipsYLosEscalaAlTamanoReal) {
    Lienzo l(2000, 1000);
    l.resize(400, 100);  // 0.2 px per twip across, 0.1 down
    l.Linea({0, 500}, {2000, 500}, Qt::red);
    l.Texto({100, 100}, "Mmax:", QFont("Sans", 8));
    ASSERT_EQ(l.Primitivas().size(), 2u);
    EXPECT_EQ(l.Primitivas()[0].puntos[1], QPointF(2000, 500));

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
}

TEST_F(Comun, LienzoColocaHijosEnTwipsYInformaElRatonEnTwips) {
    Lienzo l(2000, 1000);
    l.resize(400, 200);
    l.show();
    auto* etiqueta = new QLabel("Mmax:");
    l.Colocar(etiqueta, 480, 100);
    EXPECT_EQ(etiqueta->parentWidget(), &l);
    EXPECT_EQ(etiqueta->x(), 96);
    EXPECT_EQ(etiqueta->y(), 20);
    l.resize(800, 400);  // the label follows the box
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

TEST_F(Comun, ColoresDeFondoConSuCodigo) {
    QLineEdit campo;
    EXPECT_TRUE(EsFondoVentana(&campo));
    FondoBoton(&campo);
    EXPECT_FALSE(EsFondoVentana(&campo));
    EXPECT_EQ(CodigoFondo(&campo), -2147483633);
    EXPECT_EQ(campo.palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    AplicarCodigoFondo(&campo, -2147483643);
    EXPECT_TRUE(EsFondoVentana(&campo));
    EXPECT_EQ(campo.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

}  // namespace
}  // namespace korvex::ui
