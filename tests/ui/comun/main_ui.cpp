// Shared main of the window tests: creates the one QApplication the windows
// need, then runs the GoogleTest cases. Test discovery (--gtest_list_tests)
// runs at build time without any display, so no application is made then.
// Without a display and without QT_QPA_PLATFORM the tests use the offscreen
// platform, so the executable also runs by hand on a headless machine.
// The settings live in a temporary folder for the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "comun/Ayudas.h"
#include "ui/common/Registro.h"

int main(int argc, char** argv) {
    bool soloLista = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--gtest_list_tests", 18) == 0) soloLista = true;
    }
    ::testing::InitGoogleTest(&argc, argv);
    if (soloLista) return RUN_ALL_TESTS();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The settings (recent projects, last folder) of a run of the tests are
    // its own, never the user's.
    QTemporaryDir ajustes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    // No message box ever blocks a test unless the test asks for one.
    korvex::pruebas::Mensajes::ModoPrueba(true);
    const int r = RUN_ALL_TESTS();
    korvex::ui::Registro::Instancia().Vaciar();
    return r;
}
