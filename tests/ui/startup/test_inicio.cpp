// The start of the program: the presentation time kept by a timer of the
// running event loop, the project of the command line opened afterwards.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "comun/Ayudas.h"
#include "ui/Arranque.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmVarillas.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {
namespace {

using namespace pruebas;
using namespace std::chrono_literals;

// A splash on screen (not hidden, not unloaded).
bool SplashVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmSplash" && w->isVisible()) return true;
    }
    return false;
}

frmGeneral* Principal() {
    frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>();
    return g != nullptr && g->isVisible() ? g : nullptr;
}

// Runs the program with `guion` called every 10 ms in its event loop with the
// time since the start. False when a safety net had to end the loop (10 s).
bool Correr(const QString& archivo, std::chrono::milliseconds tiempo,
            const std::function<void(qint64)>& guion) {
    QElapsedTimer reloj;
    QTimer paso;
    paso.setTimerType(Qt::PreciseTimer);
    QObject::connect(&paso, &QTimer::timeout, [&] { guion(reloj.elapsed()); });
    paso.start(10);
    bool colgado = false;
    QTimer::singleShot(10000, &paso, [&] {  // gone with `paso` if not fired
        colgado = true;
        QCoreApplication::exit(1);
    });
    int argc = 1;
    char nombre[] = "korvex";
    char* argv[] = {nombre, nullptr};
    reloj.start();
    Arrancar(argc, argv, archivo.toStdString(), tiempo);
    paso.stop();
    // Clear the quitting state the end of the program leaves behind.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    return !colgado;
}

using Inicio = Entorno;

// The splash closed by a key at once; the main window still comes when the
// presentation time is over, then opens the project; closing it ends all.
TEST_F(Inicio, LaPrincipalLlegaAlFinDeLaPresentacionYAbreElProyecto) {
    qint64 aparece = -1;
    int pasosAntes = 0;
    bool tecla = false;
    auto guion = [&](qint64 t) {
        if (!tecla && t >= 50) {
            tecla = true;
            EXPECT_EQ(ProyectoActual().estado.NumCargas, 0);
            QTest::keyClick(Ventana<frmSplash>(), Qt::Key_Shift);  // a lone Shift is no key
            ProcesarEventos();
            EXPECT_TRUE(SplashVisible());
            QTest::keyClick(Ventana<frmSplash>(), Qt::Key_A);
            ProcesarEventos();
            EXPECT_FALSE(SplashVisible());
        }
        if (Principal() == nullptr) {
            ++pasosAntes;
        } else if (aparece < 0) {
            aparece = t;
            EXPECT_EQ(Principal()->Estado(), frmGeneral::EstadoVentana::Calculado);
            Principal()->cmdVarillas_Click();
            Principal()->close();
        }
    };
    EXPECT_TRUE(Correr(QString::fromStdString(Ejemplo("viga_rectangular.kvx")), 300ms, guion))
        << "closing the main window must end the event loop";
    EXPECT_TRUE(tecla);
    EXPECT_GE(aparece, 300) << "the main window came too early";
    EXPECT_LE(aparece, 900) << "the main window came late";
    EXPECT_GT(pasosAntes, 10) << "the loop froze during the presentation";
    EXPECT_EQ(Registro::Instancia().SiExiste<frmVarillas>(), nullptr) << "gone with the main one";
}

}  // namespace
}  // namespace korvex::ui
