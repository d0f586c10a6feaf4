// The about window: its texts, and "Información del sistema..." when no
// system-information program is installed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "comun/Ayudas.h"
#include "ui/startup/frmAbout.h"

namespace korvex::ui {
namespace {

class About : public pruebas::Entorno {};

TEST_F(About, TextosYSinProgramaDeInformacionDelSistemaDaElMensaje) {
    frmAbout* a = Ventana<frmAbout>();
    EXPECT_EQ(a->windowTitle(), "Información General");
    EXPECT_EQ(pruebas::Hijo<QLabel>(a, "lblTitle")->text(), "Korvex 2000");
    EXPECT_EQ(pruebas::Hijo<QLabel>(a, "lblVersion")->text(), "Versión 1.0");
    EXPECT_EQ(pruebas::Hijo<QLabel>(a, "lblFecha")->text(), "1/2/2000");
    EXPECT_EQ(pruebas::Hijo<QLabel>(a, "lblDisclaimer")->text(),
              "Nota: Este programa fue creado usando las normas del American Concrete "
              "Institute 95 ( ACI )");
    QPushButton* sys = pruebas::Hijo<QPushButton>(a, "cmdSysInfo");
    EXPECT_EQ(sys->text(), "&Información del sistema...");

    // An empty PATH: no program can be found.
    const QByteArray antes = qgetenv("PATH");
    QTemporaryDir vacio;
    ASSERT_TRUE(vacio.isValid());
    qputenv("PATH", vacio.path().toLocal8Bit());
    EXPECT_TRUE(frmAbout::StartSysInfoRuta().isEmpty());
    sys->click();
    qputenv("PATH", antes);
    ASSERT_EQ(pruebas::TextosMensajes().size(), 1u);
    EXPECT_EQ(pruebas::UltimoMensaje().texto,
              "La información del sistema no esta disponible en estos momentos");
    EXPECT_EQ(pruebas::UltimoMensaje().estilo, 0);
}

}  // namespace
}  // namespace korvex::ui
