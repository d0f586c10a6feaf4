// The about window's "Información del sistema...": the message when no
// system-information program is on the PATH, the program started when one
// is, and the message naming it when it cannot be started.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "comun/Ayudas.h"
#include "ui/startup/frmAbout.h"

namespace korvex::ui {
namespace {

using About = pruebas::Entorno;

// Puts an executable `hardinfo2` holding `contenido` into `dir`.
void Programa(const QTemporaryDir& dir, const QByteArray& contenido) {
    QFile f(dir.filePath("hardinfo2"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Presses the button with PATH set to `dir` only.
void Pulsar(const QTemporaryDir& dir) {
    const QByteArray antes = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    pruebas::Hijo<QPushButton>(Ventana<frmAbout>(), "cmdSysInfo")->click();
    qputenv("PATH", antes);
}

TEST_F(About, InformacionDelSistemaSinProgramaConElYRoto) {
    QTemporaryDir vacio, bueno, roto;
    ASSERT_TRUE(vacio.isValid() && bueno.isValid() && roto.isValid());
    Pulsar(vacio);
    EXPECT_EQ(Mensajes::Registrados(),
              (std::vector<Mensaje>{
                  {"La información del sistema no esta disponible en estos momentos", "Korvex",
                   kEstiloSimple}}));

    // A stand-in for the system-information program leaves a mark.
    Mensajes::Limpiar();
    const QString marca = bueno.filePath("iniciado");
    Programa(bueno, "#!/bin/sh\necho si > '" + QFile::encodeName(marca) + "'\n");
    Pulsar(bueno);
    QElapsedTimer espera;
    espera.start();
    while (!QFile::exists(marca) && espera.elapsed() < 5000) QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(marca)) << "the program found on the PATH was not started";
    EXPECT_TRUE(Mensajes::Registrados().empty());

    // Found on the PATH but not a program the system can run.
    Programa(roto, QByteArray("\x7f" "ELF roto", 8));
    Pulsar(roto);
    ASSERT_EQ(Mensajes::Registrados().size(), 1u);
    EXPECT_EQ(pruebas::UltimoMensaje().texto,
              "No se pudo iniciar el programa de información del sistema " +
                  roto.filePath("hardinfo2").toStdString() + ". Compruebe que está bien instalado.");
    EXPECT_EQ(pruebas::UltimoMensaje().estilo, kEstiloExclamacion);
}

}  // namespace
}  // namespace korvex::ui
