// The start of the program: the splash, its key press and its frame click,
// the presentation time kept by a timer of the running event loop, and the
// project named on the command line opened once the main window is up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

#include "comun/Ayudas.h"
#include "ui/Arranque.h"
#include "ui/main/frmGeneral.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {
namespace {

using namespace std::chrono_literals;

class Splash : public pruebas::Entorno {
  protected:
    void TearDown() override {
        FijarTiempoPresentacion(2000ms);
        pruebas::Entorno::TearDown();
    }
};

// A splash on screen (not hidden, not unloaded).
bool SplashVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmSplash" && w->isVisible()) return true;
    }
    return false;
}

bool PrincipalVisible() {
    frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>();
    return g != nullptr && g->isVisible();
}

// Runs the program with `archivo`; `guion` runs every 10 ms inside its event
// loop with the time since the start, until it closes the main window.
// A safety net ends the loop after 10 s. Returns false if it had to.
bool Correr(const QString& archivo, const std::function<void(qint64)>& guion) {
    QElapsedTimer reloj;
    QTimer paso;
    paso.setTimerType(Qt::PreciseTimer);
    QObject::connect(&paso, &QTimer::timeout, [&] { guion(reloj.elapsed()); });
    paso.start(10);
    bool colgado = false;
    QTimer reserva;
    reserva.setSingleShot(true);
    QObject::connect(&reserva, &QTimer::timeout, [&] {
        colgado = true;
        QCoreApplication::exit(1);
    });
    reserva.start(10000);
    int argc = 1;
    char nombre[] = "korvex";
    char* argv[] = {nombre, nullptr};
    reloj.start();
    Arrancar(argc, argv, archivo.toStdString());
    paso.stop();
    // Clear the quitting state the end of the program leaves behind.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    return !colgado;
}

void CerrarPrincipal() {
    if (frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>()) g->close();
}

TEST_F(Splash, MuestraElTituloDeLaAplicacionYLaPlataforma) {
    QCoreApplication::setApplicationName("Korvex 2000");
    frmSplash* s = Ventana<frmSplash>();
    EXPECT_EQ(pruebas::Hijo<QLabel>(s, "lblProductName")->text(), "Korvex 2000");
    EXPECT_EQ(pruebas::Hijo<QLabel>(s, "lblCompanyProduct")->text(), "Diseño de Vigas");
    EXPECT_EQ(pruebas::Hijo<QLabel>(s, "lblVersion")->text(), "Version 4.10.2222 A");
#ifdef Q_OS_LINUX
    EXPECT_EQ(pruebas::Hijo<QLabel>(s, "lblPlatform")->text(), "Linux");
#endif
    for (const char* imagen : {"imgLogo", "Image1"}) {
        const QLabel* l = pruebas::Hijo<QLabel>(s, imagen);
        ASSERT_FALSE(l->pixmap().isNull()) << imagen;
        // Drawn, not blank: some pixel is opaque.
        const QImage im = l->pixmap().toImage();
        bool tinta = false;
        for (int y = 0; y < im.height() && !tinta; ++y) {
            for (int x = 0; x < im.width() && !tinta; ++x) tinta = qAlpha(im.pixel(x, y)) > 0;
        }
        EXPECT_TRUE(tinta) << imagen;
    }
    if (const QByteArray dir = qgetenv("KORVEX_CAPTURAS"); !dir.isEmpty()) {
        s->show();
        pruebas::ProcesarEventos();
        s->grab().save(QString::fromLocal8Bit(dir) + "/frmSplash.png");
    }
}

TEST_F(Splash, UnClicEnElMarcoOEnSusTextosLaCierraYUnaTeclaSolaDeMayusculasNo) {
    // A lone Shift is no key press: the splash stays.
    frmSplash* s = Ventana<frmSplash>();
    s->show();
    QTest::keyClick(s, Qt::Key_Shift);
    pruebas::ProcesarEventos();
    EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), s);
    EXPECT_TRUE(s->isVisible());
    // A click on the frame closes it.
    QFrame* marco = pruebas::Hijo<QFrame>(s, "Frame1");
    QTest::mouseClick(marco, Qt::LeftButton, {}, QPoint(5, marco->height() - 5));
    pruebas::ProcesarEventos();
    EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr);
    EXPECT_FALSE(SplashVisible());

    // A click on one of the texts inside the frame closes it as well.
    s = Ventana<frmSplash>();
    s->show();
    QTest::mouseClick(pruebas::Hijo<QLabel>(s, "lblVersion"), Qt::LeftButton);
    pruebas::ProcesarEventos();
    EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr);
    EXPECT_FALSE(SplashVisible());
}

TEST_F(Splash, UnaTeclaLaCierraYLaPrincipalApareceAlTerminarElTiempo) {
    FijarTiempoPresentacion(400ms);
    bool tecla = false;
    qint64 aparece = -1;
    const bool termino = Correr({}, [&](qint64 t) {
        if (!tecla) {
            tecla = true;
            frmSplash* s = Registro::Instancia().SiExiste<frmSplash>();
            ASSERT_NE(s, nullptr);
            EXPECT_TRUE(s->isVisible());
            EXPECT_EQ(s->findChild<QLabel*>("lblProductName")->text(), "Korvex 2000");
            QTest::keyClick(s, Qt::Key_A);
            pruebas::ProcesarEventos();
            EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr);
            EXPECT_FALSE(SplashVisible());
            EXPECT_FALSE(PrincipalVisible()) << "the main window waits for the time";
        } else if (aparece < 0 && PrincipalVisible()) {
            aparece = t;
            EXPECT_FALSE(SplashVisible());
            CerrarPrincipal();
        }
    });
    EXPECT_TRUE(termino);
    EXPECT_TRUE(tecla);
    EXPECT_GE(aparece, 400) << "the main window came before the presentation time";
}

TEST_F(Splash, SinTocarlaDuraDosSegundosConLosEventosEnMarcha) {
    // The real presentation time. The key closes the splash early; the main
    // window still comes at the 2 s mark, and the loop runs all the while.
    ASSERT_EQ(TiempoPresentacion(), 2000ms);
    qint64 aparece = -1;
    int pasosAntes = 0;
    bool tecla = false;
    const bool termino = Correr({}, [&](qint64 t) {
        if (!tecla && t >= 100) {
            tecla = true;
            if (frmSplash* s = Registro::Instancia().SiExiste<frmSplash>()) {
                QTest::keyClick(s, Qt::Key_Space);
            }
        }
        if (!PrincipalVisible()) {
            ++pasosAntes;
        } else if (aparece < 0) {
            aparece = t;
            CerrarPrincipal();
        }
    });
    EXPECT_TRUE(termino);
    EXPECT_TRUE(tecla);
    EXPECT_FALSE(SplashVisible());
    EXPECT_GE(aparece, 2000) << "the main window came too early";
    EXPECT_LE(aparece, 2600) << "the main window came late";
    // A 10 ms step ran all through the wait (about 200 times when the
    // machine is idle): nothing froze.
    EXPECT_GT(pasosAntes, 50);
}

TEST_F(Splash, ElProyectoDeLaLineaDeOrdenSeAbreDespuesDeLaPresentacion) {
    FijarTiempoPresentacion(200ms);
    bool mirado = false, abierto = false;
    const bool termino = Correr(pruebas::Ejemplo("viga_rectangular.kvx"), [&](qint64 t) {
        if (!mirado) {  // the first step, well inside the presentation
            mirado = true;
            EXPECT_LT(t, 200);
            EXPECT_TRUE(SplashVisible());
            EXPECT_EQ(Registro::Instancia().SiExiste<frmGeneral>(), nullptr);
            EXPECT_EQ(Registro::Instancia().proyecto().estado.NumCargas, 0);
        }
        if (!abierto && PrincipalVisible()) {
            abierto = true;
            EXPECT_GE(t, 200);
            frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>();
            EXPECT_FALSE(SplashVisible());
            EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
            EXPECT_EQ(g->lblTipo->text(), "Tipo de Viga: Rectangular");
            EXPECT_EQ(Registro::Instancia().proyecto().estado.NumCargas, 3);
            CerrarPrincipal();
        }
    });
    EXPECT_TRUE(termino);
    EXPECT_TRUE(mirado && abierto);
}

}  // namespace
}  // namespace korvex::ui
