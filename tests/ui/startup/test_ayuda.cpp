// The help windows: the text box fills the window and follows its size, and
// the menu entry, F1's entry and the toolbar button show the one window
// again rather than a second one, even after it was closed.
#include <gtest/gtest.h>

#include <QAction>
#include <QTextBrowser>

#include "comun/Ayudas.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/main/frmGeneral.h"
#include "ui/startup/frmHelp.h"

namespace korvex::ui {
namespace {

using Ayuda = pruebas::Entorno;

TEST_F(Ayuda, UnaSolaVentanaQueSeMuestraOtraVezYSeLlenaAlCambiarDeTamano) {
    frmGeneral* gen = Ventana<frmGeneral>();
    gen->mnuAyudaIndice->trigger();
    frmHelp* h = Registro::Instancia().SiExiste<frmHelp>();
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->isVisible());
    EXPECT_FALSE(h->isModal());
    h->close();
    pruebas::ProcesarEventos();
    EXPECT_EQ(Registro::Instancia().SiExiste<frmHelp>(), h);
    gen->Barrah_ButtonClick("Ayuda");
    EXPECT_TRUE(h->isVisible());
    MostrarAyuda(1);
    EXPECT_EQ(Registro::Instancia().SiExiste<frmHelp>(), h);

    gen->mnuAyudaGuia->trigger();
    frmHelp2* g = Registro::Instancia().SiExiste<frmHelp2>();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->isVisible());
    pruebas::ProcesarEventos();
    for (QWidget* w : {static_cast<QWidget*>(h), static_cast<QWidget*>(g)}) {
        for (QSize s : {QSize(900, 300), QSize(320, 700)}) {
            w->resize(s);
            pruebas::ProcesarEventos();
            EXPECT_EQ(pruebas::Hijo<QTextBrowser>(w, "RichTextBox1")->geometry(), w->rect())
                << w->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace korvex::ui
