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

// The window of class T when it is on screen (not hidden, not unloaded).
template <class T>
T* EnPantalla() {
    T* v = Registro::Instancia().SiExiste<T>();
    return v != nullptr && v->isVisible() ? v : nullptr;
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
            // A lone Shift is no key; A closes the splash.
            for (auto [tecla, queda] : {std::pair{Qt::Key_Shift, true}, {Qt::Key_A, false}}) {
                QTest::keyClick(Ventana<frmSplash>(), tecla);
                ProcesarEventos();
                EXPECT_EQ(EnPantalla<frmSplash>() != nullptr, queda);
            }
        }
        frmGeneral* g = EnPantalla<frmGeneral>();
        if (g == nullptr) {
            ++pasosAntes;
        } else if (aparece < 0) {
            aparece = t;
            EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
            g->cmdVarillas_Click();
            g->close();
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
