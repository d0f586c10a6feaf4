// Shared main of the window tests: one QApplication (none while only listing
// the tests at build time), offscreen without a display, settings of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "comun/Ayudas.h"
#include "ui/common/Registro.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ajustes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    // No message box ever blocks a test unless the test asks for one.
    korvex::pruebas::Mensajes::ModoPrueba(true);
    const int r = RUN_ALL_TESTS();
    korvex::ui::Registro::Instancia().Vaciar();
    return r;
}
