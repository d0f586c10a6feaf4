#include "ui/Arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QString>
#include <QTimer>
#include <memory>

#include "ui/common/Registro.h"
#include "ui/main/frmGeneral.h"
#include "ui/startup/frmSplash.h"

namespace korvex::ui {

namespace {

// End of the presentation: the main window (its construction sets the
// defaults), the splash unloaded if it is still up, then the project named
// on the command line. The splash goes before the project is opened because
// opening calculates and may ask a question in a modal window.
void MostrarPrincipal(const QString& archivo, bool salirAlCerrarUltima) {
    frmGeneral* general = Registro::Instancia().Ventana<frmGeneral>();
    general->show();
    Registro::Instancia().Descargar<frmSplash>();
    QApplication::setQuitOnLastWindowClosed(salirAlCerrarUltima);
    if (!archivo.isEmpty()) general->AbrirArchivo(archivo);
}

}  // namespace

bool InstalarTraduccionQt() {
    static QTranslator* instalado = nullptr;
    if (instalado != nullptr) return true;
    auto* t = new QTranslator(qApp);
    if (!t->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    instalado = t;
    return true;
}

int Arrancar(int& argc, char** argv, const std::string& archivo,
             std::chrono::milliseconds presentacion) {
    std::unique_ptr<QApplication> propia;
    if (QApplication::instance() == nullptr) propia = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Korvex 2000");
    InstalarTraduccionQt();

    // While only the splash is up, closing it must not end the program.
    const bool salirAlCerrarUltima = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);

    frmSplash* splash = Registro::Instancia().Ventana<frmSplash>();
    splash->show();
    splash->activateWindow();
    splash->setFocus();
    QCoreApplication::processEvents();

    const QString ruta = QString::fromStdString(archivo);
    // A timer of this call only: if the loop ends before it fires, it goes
    // with the call and never shows a main window later.
    QTimer reloj;
    reloj.setSingleShot(true);
    reloj.setTimerType(Qt::PreciseTimer);
    QObject::connect(&reloj, &QTimer::timeout, qApp,
                     [ruta, salirAlCerrarUltima] { MostrarPrincipal(ruta, salirAlCerrarUltima); });
    reloj.start(presentacion);
    const int r = QApplication::exec();
    Registro::Instancia().Vaciar();
    QApplication::setQuitOnLastWindowClosed(salirAlCerrarUltima);
    return r;
}

}  // namespace korvex::ui
