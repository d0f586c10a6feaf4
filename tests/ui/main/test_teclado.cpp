// The keyboard of the main window (every shortcut reaches its command) and
// what the file dialogs propose.
#include "comun/Ayudas.h"
#include "ui/common/RutaPropuesta.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/frmpreview.h"
#include "ui/startup/frmHelp.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

class Teclado : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        ASSERT_TRUE(dir.isValid());
        ruta = dir.filePath("puente.kvx");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(Ejemplo("viga_rectangular.kvx")), ruta));
        QFile(ruta).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        g = Activa<frmGeneral>();
        ASSERT_NE(g, nullptr);
        ASSERT_TRUE(g->AbrirArchivo(ruta));
    }
    // The main window active again (a shortcut opened another window).
    void Reactivar() {
        ProcesarEventos();
        QApplication::setActiveWindow(g);
        ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    }
    frmGeneral* g = nullptr;
    QTemporaryDir dir;
    QString ruta;
};

// Each shortcut triggers its menu entry (or presses its button) and shows in
// the menu; Ctrl+S writes the project's own file without a dialog, Ctrl+Shift+S
// always asks. F5 before Ctrl+P: the change of f'c put the results out of
// date. Ctrl+N last: its reset disables saving.
TEST_F(Teclado, CadaAtajoLlegaASuOrden) {
    Robot robot;               // file dialogs cancelled, message boxes accepted
    g->txtFc->setText("250");  // a change, so that Ctrl+S has something to write
    const QByteArray antes = [&] {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    int dialogos = 0;
    robot.Responder("QFileDialog", [&](QWidget* w) {
        ++dialogos;
        static_cast<QFileDialog*>(w)->reject();
    });
    QPushButton* calcular = g->cmdCalculos;
    const struct {
        const char* teclas;
        QObject* orden;  // a QAction (triggered) or a QPushButton (clicked)
        int dialogos;    // file dialogs it opened
    } casos[] = {{"Ctrl+S", g->mnuArchivoGuardar, 0},
                 {"Ctrl+Shift+S", g->mnuArchivoSalvarcomo, 1},
                 {"Ctrl+O", g->mnuArchivoAbrir, 1},
                 {"F5", calcular, 0},  // the results current again: printing available
                 {"Ctrl+P", g->mnuArchivoImprimir, 0},
                 {"F1", g->mnuAyudaIndice, 0},
                 {"Ctrl+N", g->mnuArchivoNuevo, 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.teclas);
        auto* accion = qobject_cast<QAction*>(c.orden);
        std::unique_ptr<QSignalSpy> espia =
            accion != nullptr ? std::make_unique<QSignalSpy>(accion, &QAction::triggered)
                              : std::make_unique<QSignalSpy>(calcular, &QPushButton::clicked);
        if (accion != nullptr) {
            EXPECT_EQ(accion->shortcut(), QKeySequence(c.teclas));
        }
        dialogos = 0;
        QTest::keySequence(g, QKeySequence(c.teclas));
        for (int i = 0; i < 50 && espia->count() == 0; ++i) QTest::qWait(10);
        EXPECT_EQ(espia->count(), 1);
        ProcesarEventos();
        EXPECT_EQ(dialogos, c.dialogos);
        if (std::string(c.teclas) == "Ctrl+S") {
            QFile f(ruta);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_NE(f.readAll(), antes);
            EXPECT_EQ(g->statusBar()->currentMessage(),
                      "Proyecto guardado en " + QDir::toNativeSeparators(ruta));
        }
        Reactivar();
    }
    EXPECT_TRUE(Registro::Instancia().SiExiste<frmpreview>()->isVisible());
    EXPECT_TRUE(Registro::Instancia().SiExiste<frmHelp>()->isVisible());
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);  // Ctrl+N reset it
    // A project never saved: Ctrl+S asks for a file.
    EXPECT_FALSE(g->mnuArchivoGuardar->isEnabled());
}

// The proposed file: the project's folder and name with the dialog's
// extension; without a file, the last folder used (if it still exists),
// else the home folder, and "viga".
TEST_F(Teclado, LosDialogosProponenElNombreDelProyecto) {
    const QString casa = QDir::homePath(), aqui = dir.path();
    const struct {
        QString archivo, carpeta, extension, esperado;
    } casos[] = {{aqui + "/puente.kvx", "", "pdf", aqui + "/puente.pdf"},
                 {aqui + "/a.b/puente.v2.kvx", casa, "kvx", aqui + "/a.b/puente.v2.kvx"},
                 {"", aqui, "kvx", aqui + "/viga.kvx"},
                 {"", aqui + "/no-existe", "pdf", casa + "/viga.pdf"},
                 {"", "", "kvx", casa + "/viga.kvx"}};
    for (const auto& c : casos) {
        EXPECT_EQ(RutaPropuesta(c.archivo, c.carpeta, c.extension), c.esperado)
            << c.archivo.toStdString();
    }

    // Through the real dialogs of the main window and of the preview.
    Robot robot;
    QStringList propuestos;
    robot.Responder("QFileDialog", [&](QWidget* w) {
        auto* d = static_cast<QFileDialog*>(w);
        propuestos << d->selectedFiles().value(0);
        d->reject();
    });
    g->mnuArchivoSalvarcomo->trigger();
    g->mnuArchivoMemoria->trigger();
    g->mnuArchivoImprimir->trigger();
    Registro::Instancia().SiExiste<frmpreview>()->cmdPdf->click();
    g->mnuArchivoAbrir->trigger();
    const QString base = aqui + "/puente";
    EXPECT_EQ(propuestos,
              QStringList({base + ".kvx", base + ".pdf", base + ".pdf", base + ".kvx"}));
}

}  // namespace
}  // namespace korvex::ui
