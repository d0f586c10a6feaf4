// The windowed start: Arrancar shows the splash, then the main window with
// the named project opened and calculated, and the program ends when the
// main window closes (the other windows close with it).
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <chrono>

#include "comun/Ayudas.h"
#include "ui/Arranque.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmVarillas.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {
namespace {

using Arranque = pruebas::Entorno;

TEST_F(Arranque, AbreElProyectoYTerminaAlCerrarLaVentanaPrincipal) {
    // A short presentation: the splash alone first, then the main window.
    FijarTiempoPresentacion(std::chrono::milliseconds(100));
    bool presentacion = false;
    QTimer::singleShot(30, [&] {
        presentacion = true;
        frmSplash* s = Registro::Instancia().SiExiste<frmSplash>();
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->isVisible());
        EXPECT_EQ(Registro::Instancia().SiExiste<frmGeneral>(), nullptr);
    });
    bool visto = false;
    QTimer::singleShot(300, [&] {
        EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr);
        frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>();
        ASSERT_NE(g, nullptr);
        visto = true;
        EXPECT_TRUE(g->isVisible());
        EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
        EXPECT_EQ(g->lblTipo->text(), "Tipo de Viga: Rectangular");
        EXPECT_EQ(Registro::Instancia().proyecto().estado.NumCargas, 3);
        g->cmdVarillas_Click();
        EXPECT_TRUE(Ventana<frmVarillas>()->isVisible());
        g->close();
    });
    // A safety net: the test fails instead of hanging if closing did not end it.
    QTimer reserva;
    reserva.setSingleShot(true);
    bool colgado = false;
    QObject::connect(&reserva, &QTimer::timeout, [&] {
        colgado = true;
        QCoreApplication::exit(1);
    });
    reserva.start(20000);
    int argc = 1;
    char nombre[] = "korvex";
    char* argv[] = {nombre, nullptr};
    const int r = Arrancar(argc, argv, pruebas::Ejemplo("viga_rectangular.kvx").toStdString());
    FijarTiempoPresentacion(std::chrono::milliseconds(2000));
    EXPECT_TRUE(presentacion);
    EXPECT_TRUE(visto);
    EXPECT_FALSE(colgado) << "closing the main window must end the event loop";
    EXPECT_EQ(r, 0);
    // Every window went with it.
    EXPECT_EQ(Registro::Instancia().SiExiste<frmGeneral>(), nullptr);
    EXPECT_EQ(Registro::Instancia().SiExiste<frmVarillas>(), nullptr);

    // The end of the program leaves the application quitting; one more run
    // of its loop clears that, so that the next tests of this process can
    // still show modal windows.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

}  // namespace
}  // namespace korvex::ui
