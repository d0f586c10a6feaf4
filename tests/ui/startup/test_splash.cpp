// The start of the program: the splash closed by a key press or a click,
// the presentation time kept by a timer of the running event loop (nothing
// freezes meanwhile), the project named on the command line opened once the
// main window is up, and the program ending with the main window.
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
#include "ui/section/frmVarillas.h"
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

TEST_F(Splash, UnClicEnElMarcoOEnSusTextosLaCierraYUnaTeclaSolaDeMayusculasNo) {
    // A lone Shift is no key press: the splash stays.
    frmSplash* s = Ventana<frmSplash>();
    s->show();
    QTest::keyClick(s, Qt::Key_Shift);
    pruebas::ProcesarEventos();
    EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), s);
    EXPECT_TRUE(s->isVisible());
    // A click on the frame, or on one of the texts inside it, closes it.
    for (const char* donde : {"Frame1", "lblVersion"}) {
        s = Ventana<frmSplash>();
        s->show();
        QWidget* w = pruebas::Hijo<QWidget>(s, donde);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() - 5));
        pruebas::ProcesarEventos();
        EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr) << donde;
        EXPECT_FALSE(SplashVisible()) << donde;
    }
}

TEST_F(Splash, UnaTeclaLaCierraYLaPrincipalLlegaALosDosSegundosSinCongelar) {
    // The real presentation time. The key closes the splash at once; the
    // main window still comes at the 2 s mark, and the loop runs all the while.
    ASSERT_EQ(TiempoPresentacion(), 2000ms);
    qint64 aparece = -1;
    int pasosAntes = 0;
    bool tecla = false;
    const bool termino = Correr({}, [&](qint64 t) {
        if (!tecla && t >= 100) {
            tecla = true;
            frmSplash* s = Registro::Instancia().SiExiste<frmSplash>();
            ASSERT_NE(s, nullptr);
            EXPECT_TRUE(s->isVisible());
            QTest::keyClick(s, Qt::Key_A);
            pruebas::ProcesarEventos();
            EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr);
            EXPECT_FALSE(SplashVisible());
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
            g->cmdVarillas_Click();
            EXPECT_TRUE(Ventana<frmVarillas>()->isVisible());
            CerrarPrincipal();
        }
    });
    EXPECT_TRUE(termino) << "closing the main window must end the event loop";
    EXPECT_TRUE(mirado && abierto);
    // The other windows went with it.
    EXPECT_EQ(Registro::Instancia().SiExiste<frmVarillas>(), nullptr);
}

}  // namespace
}  // namespace korvex::ui
