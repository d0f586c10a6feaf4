// The about window: its texts and pictures, and "Información del sistema..."
// when no system-information program is installed, when one is, and when the
// one found cannot be started.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "comun/Ayudas.h"
#include "ui/startup/frmAbout.h"

namespace korvex::ui {
namespace {

class About : public pruebas::Entorno {};

// Puts `contenido` into an executable file `nombre` of `dir`.
void Programa(const QTemporaryDir& dir, const char* nombre, const QByteArray& contenido) {
    QFile f(dir.filePath(nombre));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Runs `accion` with PATH set to `dir` only.
template <class F>
void ConPath(const QString& dir, F accion) {
    const QByteArray antes = qgetenv("PATH");
    qputenv("PATH", dir.toLocal8Bit());
    accion();
    qputenv("PATH", antes);
}

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

    for (const char* imagen : {"picIcon", "Image1"}) {
        EXPECT_FALSE(pruebas::Hijo<QLabel>(a, imagen)->pixmap().isNull()) << imagen;
    }
    EXPECT_FALSE(pruebas::Hijo<QLabel>(a, "lblAutores")->text().isEmpty());
    EXPECT_FALSE(pruebas::Hijo<QLabel>(a, "lblContacto")->text().isEmpty());
    if (const QByteArray dir = qgetenv("KORVEX_CAPTURAS"); !dir.isEmpty()) {
        a->show();
        pruebas::ProcesarEventos();
        a->grab().save(QString::fromLocal8Bit(dir) + "/frmAbout.png");
        a->hide();
    }
}

TEST_F(About, ElProgramaHalladoSeIniciaYSiNoArrancaSeDiceCual) {
    frmAbout* a = Ventana<frmAbout>();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A stand-in for the system-information program leaves a mark.
    const QString marca = dir.filePath("iniciado");
    Programa(dir, "hardinfo2", "#!/bin/sh\necho si > '" + QFile::encodeName(marca) + "'\n");
    ConPath(dir.path(), [&] {
        EXPECT_EQ(frmAbout::StartSysInfoRuta(), dir.filePath("hardinfo2"));
        a->cmdSysInfo->click();
    });
    QElapsedTimer espera;
    espera.start();
    while (!QFile::exists(marca) && espera.elapsed() < 5000) QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(marca)) << "the program found on the PATH was not started";
    EXPECT_TRUE(pruebas::TextosMensajes().empty());

    // Found on the PATH but not a program the system can run.
    QTemporaryDir otro;
    ASSERT_TRUE(otro.isValid());
    Programa(otro, "hardinfo2",
             QByteArray("\x7f"
                        "ELF roto",
                        8));
    ConPath(otro.path(), [&] { a->cmdSysInfo->click(); });
    ASSERT_EQ(pruebas::TextosMensajes().size(), 1u);
    EXPECT_EQ(pruebas::UltimoMensaje().texto,
              "No se pudo iniciar el programa de información del sistema " +
                  otro.filePath("hardinfo2").toStdString() +
                  ". Compruebe que está bien instalado.");
    EXPECT_EQ(pruebas::UltimoMensaje().estilo, 48);
}

}  // namespace
}  // namespace korvex::ui
