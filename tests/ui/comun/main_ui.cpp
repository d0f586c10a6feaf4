// Shared main of the window tests: one QApplication (none while only listing
// the tests at build time), offscreen without a display, settings of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>

#include "comun/Ayudas.h"
#include "ui/common/Registro.h"

int main(int argc, char** argv) {
    bool soloLista = false;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--gtest_list_tests", 18) == 0) soloLista = true;
    ::testing::InitGoogleTest(&argc, argv);
    if (soloLista) return RUN_ALL_TESTS();

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
