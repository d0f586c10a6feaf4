// One version everywhere, the system information, and Qt's standard
// dialogs in Spanish once the program installed Qt's catalogue.
#include "comun/Ayudas.h"
#include "comun/Proceso.h"
#include "ui/Arranque.h"
#include "ui/startup/frmAbout.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

using Version = Entorno;

// The splash, the about window, the system information and `korvex
// --version` all name the version CMake declares.
TEST_F(Version, LaMismaEnTodasPartes) {
    const QString v = KORVEX_VERSION;
    EXPECT_EQ(Ventana<frmSplash>()->lblVersion->text(), QString::fromUtf8("Versión ") + v);
    frmAbout* a = Ventana<frmAbout>();
    EXPECT_EQ(a->lblVersion->text(), QString::fromUtf8("Versión ") + v);

    // "Información del sistema...": version, Qt, system and settings file,
    // in an information box instead of "no esta disponible".
    a->cmdSysInfo->click();
    const Mensaje m = UltimoMensaje();
    EXPECT_EQ(m.titulo, "Información del sistema");
    EXPECT_EQ(m.estilo, kEstiloInformacion);
    for (const QString& parte :
         {"Korvex " + v, "Qt " + QString(qVersion()), QSysInfo::prettyProductName(),
          QSysInfo::currentCpuArchitecture(), QDir::toNativeSeparators(QSettings().fileName())}) {
        EXPECT_TRUE(QString::fromStdString(m.texto).contains(parte)) << parte.toStdString();
    }

    const Ejecucion r = Ejecutar(std::string(KORVEX_BINARIOS) + "/korvex", {"--version"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "korvex " + v.toStdString() + "\n");
}

// The standard buttons of a message box read Spanish.
TEST_F(Version, BotonesEstandarEnCastellano) {
    if (!InstalarTraduccionQt()) {
        GTEST_SKIP() << "qtbase_es.qm no está instalado (paquete qt6-translations-l10n)";
    }
    QMessageBox caja;
    caja.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes |
                            QMessageBox::No);
    const std::pair<QMessageBox::StandardButton, const char*> botones[] = {
        {QMessageBox::Ok, "Aceptar"},
        {QMessageBox::Cancel, "Cancelar"},
        {QMessageBox::Yes, "Sí"},
        {QMessageBox::No, "No"}};
    for (const auto& [boton, texto] : botones) {
        EXPECT_EQ(caja.button(boton)->text().remove('&').toStdString(), texto);
    }
}

}  // namespace
}  // namespace korvex::ui
