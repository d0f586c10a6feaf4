// The start of the program and its help: the splash closed by a key press or
// a click, the presentation time kept by a timer of the running event loop
// (nothing freezes meanwhile, a short time given by the test), the project
// named on the command line opened once the main window is up, the program
// ending with the main window; the about window's system-information button
// and the help windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <chrono>
#include <functional>

#include "comun/Ayudas.h"
#include "ui/Arranque.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmVarillas.h"
#include "ui/startup/Ayuda.h"
#include "ui/startup/frmAbout.h"
#include "ui/startup/frmHelp.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {
namespace {

using namespace pruebas;
using namespace std::chrono_literals;

// A splash on screen (not hidden, not unloaded).
bool SplashVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmSplash" && w->isVisible()) return true;
    }
    return false;
}

frmGeneral* Principal() {
    frmGeneral* g = Registro::Instancia().SiExiste<frmGeneral>();
    return g != nullptr && g->isVisible() ? g : nullptr;
}

// Runs the program with `archivo` and the presentation time `tiempo`;
// `guion` runs every 10 ms inside its event loop with the time since the
// start, until it closes the main window. A safety net ends the loop after
// 10 s; returns false if it had to.
bool Correr(const QString& archivo, std::chrono::milliseconds tiempo,
            const std::function<void(qint64)>& guion) {
    QElapsedTimer reloj;
    QTimer paso, reserva;
    paso.setTimerType(Qt::PreciseTimer);
    QObject::connect(&paso, &QTimer::timeout, [&] { guion(reloj.elapsed()); });
    paso.start(10);
    bool colgado = false;
    reserva.setSingleShot(true);
    QObject::connect(&reserva, &QTimer::timeout, [&] {
        colgado = true;
        QCoreApplication::exit(1);
    });
    reserva.start(10000);
    int argc = 1;
    char nombre[] = "korvex";
    char* argv[] = {nombre, nullptr};
    reloj.start();
    Arrancar(argc, argv, archivo.toStdString(), tiempo);
    paso.stop();
    // Clear the quitting state the end of the program leaves behind.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    return !colgado;
}

using Inicio = Entorno;

TEST_F(Inicio, SplashSeCierraConUnClicOUnaTeclaPeroNoConMayusculas) {
    EXPECT_EQ(kTiempoPresentacion, 2000ms);
    frmSplash* s = Ventana<frmSplash>();
    s->show();
    QTest::keyClick(s, Qt::Key_Shift);  // a lone Shift is no key press
    ProcesarEventos();
    EXPECT_TRUE(s->isVisible());
    QTest::keyClick(s, Qt::Key_A);
    ProcesarEventos();
    EXPECT_FALSE(SplashVisible());
    for (const char* donde : {"Frame1", "lblVersion"}) {
        Ventana<frmSplash>()->show();
        QWidget* w = Hijo<QWidget>(Ventana<frmSplash>(), donde);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() - 5));
        ProcesarEventos();
        EXPECT_EQ(Registro::Instancia().SiExiste<frmSplash>(), nullptr) << donde;
    }
}

// The splash closed by a key at once; the main window still comes when the
// presentation time is over, the loop running all the while; then the
// project of the command line is opened and closing the main window ends
// the program with its other windows.
TEST_F(Inicio, LaPrincipalLlegaAlFinDeLaPresentacionYAbreElProyecto) {
    qint64 aparece = -1;
    int pasosAntes = 0;
    bool tecla = false;
    const bool termino =
        Correr(QString::fromStdString(Ejemplo("viga_rectangular.kvx")), 300ms, [&](qint64 t) {
            if (!tecla && t >= 50) {
                tecla = true;
                EXPECT_TRUE(SplashVisible());
                EXPECT_EQ(ProyectoActual().estado.NumCargas, 0);
                QTest::keyClick(Ventana<frmSplash>(), Qt::Key_A);
                ProcesarEventos();
                EXPECT_FALSE(SplashVisible());
            }
            frmGeneral* g = Principal();
            if (g == nullptr) {
                ++pasosAntes;
            } else if (aparece < 0) {
                aparece = t;
                EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
                g->cmdVarillas_Click();
                g->close();
            }
        });
    EXPECT_TRUE(termino && tecla) << "closing the main window must end the event loop";
    EXPECT_GE(aparece, 300) << "the main window came too early";
    EXPECT_LE(aparece, 900) << "the main window came late";
    EXPECT_GT(pasosAntes, 10) << "the loop froze during the presentation";
    EXPECT_EQ(Registro::Instancia().SiExiste<frmVarillas>(), nullptr) << "gone with the main one";
}

// Presses "Información del sistema..." with PATH set to `dir` only, after
// putting there an executable `hardinfo2` holding `contenido` (if any).
void Pulsar(const QTemporaryDir& dir, const QByteArray& contenido = {}) {
    if (!contenido.isEmpty()) {
        QFile f(dir.filePath("hardinfo2"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray antes = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    Hijo<QPushButton>(Ventana<frmAbout>(), "cmdSysInfo")->click();
    qputenv("PATH", antes);
}

TEST_F(Inicio, InformacionDelSistemaSinProgramaConElYRoto) {
    QTemporaryDir vacio, bueno, roto;
    Pulsar(vacio);
    EXPECT_EQ(
        Mensajes::Registrados(),
        (std::vector<Mensaje>{{"La información del sistema no esta disponible en estos momentos",
                               "Korvex", kEstiloSimple}}));
    // A stand-in for the system-information program leaves a mark.
    Mensajes::Limpiar();
    const QString marca = bueno.filePath("iniciado");
    Pulsar(bueno, "#!/bin/sh\necho si > '" + QFile::encodeName(marca) + "'\n");
    QElapsedTimer espera;
    espera.start();
    while (!QFile::exists(marca) && espera.elapsed() < 5000) QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(marca)) << "the program found on the PATH was not started";
    EXPECT_TRUE(Mensajes::Registrados().empty());
    // Found on the PATH but not a program the system can run.
    Pulsar(roto, QByteArray("\x7f"
                            "ELF roto",
                            8));
    EXPECT_EQ(UltimoMensaje().texto, "No se pudo iniciar el programa de información del sistema " +
                                         roto.filePath("hardinfo2").toStdString() +
                                         ". Compruebe que está bien instalado.");
    EXPECT_EQ(UltimoMensaje().estilo, kEstiloExclamacion);
}

// The menu entry, the toolbar button and MostrarAyuda show the one help
// window again, even after it was closed; the text fills either window.
TEST_F(Inicio, AyudaUnaSolaVentanaQueSeMuestraOtraVezYSeLlenaAlCambiarDeTamano) {
    frmGeneral* gen = Ventana<frmGeneral>();
    gen->mnuAyudaIndice->trigger();
    frmHelp* h = Registro::Instancia().SiExiste<frmHelp>();
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(h->isModal());
    h->close();
    ProcesarEventos();
    gen->Barrah_ButtonClick("Ayuda");
    EXPECT_TRUE(h->isVisible());
    MostrarAyuda(1);
    EXPECT_EQ(Registro::Instancia().SiExiste<frmHelp>(), h);
    gen->mnuAyudaGuia->trigger();
    frmHelp2* g = Registro::Instancia().SiExiste<frmHelp2>();
    ASSERT_NE(g, nullptr);
    for (QWidget* w : {static_cast<QWidget*>(h), static_cast<QWidget*>(g)}) {
        for (QSize s : {QSize(900, 300), QSize(320, 700)}) {
            w->resize(s);
            ProcesarEventos();
            EXPECT_EQ(Hijo<QTextBrowser>(w, "RichTextBox1")->geometry(), w->rect());
        }
    }
}

}  // namespace
}  // namespace korvex::ui
