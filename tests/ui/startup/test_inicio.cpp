// The start of the program: the presentation time kept by a timer of the
// running event loop, the project of the command line opened afterwards.
#include <chrono>

#include "comun/Ayudas.h"
#include "ui/Arranque.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmVarillas.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {
namespace {

using namespace pruebas;
using namespace std::chrono_literals;

using Inicio = Entorno;

// The program run with a step every 10 ms in its event loop, a safety net
// ending the loop after 10 s. The splash closed by a key at once; the main
// window still comes when the presentation time is over, then opens the
// project; closing it ends all.
TEST_F(Inicio, LaPrincipalLlegaAlFinDeLaPresentacionYAbreElProyecto) {
    qint64 aparece = -1;
    int pasosAntes = 0;
    bool tecla = false, colgado = false;
    QElapsedTimer reloj;
    QTimer paso;
    paso.setTimerType(Qt::PreciseTimer);
    QObject::connect(&paso, &QTimer::timeout, [&] {
        const qint64 t = reloj.elapsed();
        if (!tecla && t >= 50) {
            tecla = true;
            // The project is the main window's: nothing is opened before it.
            EXPECT_EQ(Registro::Instancia().SiExiste<frmGeneral>(), nullptr);
            // A lone Shift is no key; A closes the splash.
            for (auto [tecla, queda] : {std::pair{Qt::Key_Shift, true}, {Qt::Key_A, false}}) {
                QTest::keyClick(Ventana<frmSplash>(), tecla);
                ProcesarEventos();
                const frmSplash* s = Registro::Instancia().SiExiste<frmSplash>();
                EXPECT_EQ(s != nullptr && s->isVisible(), queda);
            }
        }
        frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>();
        if (g == nullptr || !g->isVisible()) {
            ++pasosAntes;
        } else if (aparece < 0) {
            aparece = t;
            EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
            g->cmdVarillas_Click();
            g->close();
        }
    });
    paso.start(10);
    QTimer::singleShot(10000, &paso, [&] {  // gone with `paso` if not fired
        colgado = true;
        QCoreApplication::exit(1);
    });
    int argc = 1;
    char nombre[] = "korvex";
    char* argv[] = {nombre, nullptr};
    reloj.start();
    Arrancar(argc, argv, Ejemplo("viga_rectangular.kvx"), 300ms);
    paso.stop();
    // Clear the quitting state the end of the program leaves behind.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    EXPECT_FALSE(colgado) << "closing the main window must end the event loop";
    EXPECT_TRUE(tecla);
    EXPECT_GE(aparece, 300) << "the main window came too early";
    EXPECT_LE(aparece, 900) << "the main window came late";
    EXPECT_GT(pasosAntes, 10) << "the loop froze during the presentation";
    EXPECT_EQ(Registro::Instancia().SiExiste<frmVarillas>(), nullptr) << "gone with the main one";
}

}  // namespace
}  // namespace korvex::ui
