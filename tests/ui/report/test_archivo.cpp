// Open and save through the main window's commands, with the file dialogs
// answered by the test as a user would (file name typed, dialog accepted).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Registro.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

class Archivo : public pruebas::Entorno {};

// Answers the next file dialog with `ruta` (empty: cancels it) and records
// its caption.
void Responder(const QString& ruta, QString* titulo) {
    QTimer::singleShot(0, [ruta, titulo] {
        QFileDialog* dlg = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QFileDialog*>(w); d != nullptr && d->isVisible()) dlg = d;
        }
        ASSERT_NE(dlg, nullptr) << "no se abrió el diálogo de archivo";
        *titulo = dlg->windowTitle();
        if (ruta.isEmpty()) {
            dlg->reject();
            return;
        }
        dlg->selectFile(ruta);
        QMetaObject::invokeMethod(dlg, "accept");
        // A dialog that refused the name must not hang the test.
        QTimer::singleShot(2000, dlg, [dlg] {
            if (dlg->isVisible()) {
                ADD_FAILURE() << "el diálogo no aceptó el archivo";
                dlg->reject();
            }
        });
    });
}

std::string Bytes() {
    std::string b;
    EXPECT_FALSE(EscribirKvx(ProyectoActual(), b).has_value());
    return b;
}

// The load grid's cell texts, row by row.
QStringList Celdas(const QTableWidget* t) {
    QStringList c;
    for (int r = 0; r < t->rowCount(); ++r) {
        for (int k = 0; k < t->columnCount(); ++k) {
            const QTableWidgetItem* i = t->item(r, k);
            c << (i ? i->text() : QString());
        }
    }
    return c;
}

TEST_F(Archivo, GuardarYAbrirDanLoMismoYUnArchivoMaloNoCambiaNada) {
    frmGeneral* g = Ventana<frmGeneral>();
    frmCargas* c = Ventana<frmCargas>();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString titulo;

    // Open an example with cantilevers and four loads through "Abrir".
    Responder(pruebas::Ejemplo("viga_t_vuelos.kvx"), &titulo);
    g->mnuArchivoAbrir->trigger();
    EXPECT_EQ(titulo, "Abrir");
    const std::string original = Bytes();
    const QStringList resultados = {g->lblMp->text(), g->lblMn->text(), g->lblQp->text(),
                                    g->lblQn->text(), g->txtEstribos->text()};
    EXPECT_FALSE(resultados[0].isEmpty());
    const QStringList rejilla = Celdas(c->grid);
    ASSERT_GE(ProyectoActual().estado.NumCargas, 4);
    EXPECT_EQ(c->grid->rowCount(), ProyectoActual().estado.NumCargas + 1);
    auto igual = [&] {
        EXPECT_EQ(Bytes(), original);
        EXPECT_EQ((QStringList{g->lblMp->text(), g->lblMn->text(), g->lblQp->text(),
                               g->lblQn->text(), g->txtEstribos->text()}),
                  resultados);
        EXPECT_EQ(Celdas(c->grid), rejilla);
    };

    // Saved without extension: the dialog adds .kvx.
    const QString copia = dir.filePath("copia");
    Responder(copia, &titulo);
    g->mnuArchivoSalvarcomo->trigger();
    EXPECT_EQ(titulo, "Guardar");
    ASSERT_TRUE(QFile::exists(copia + ".kvx"));

    // Another project in between, then the saved copy back.
    ASSERT_TRUE(AbrirProyecto(g, pruebas::Ejemplo("viga_rectangular.kvx")));
    ASSERT_NE(Bytes(), original);
    ASSERT_NE(Celdas(c->grid), rejilla);
    Responder(copia + ".kvx", &titulo);
    g->mnuArchivoAbrir->trigger();
    igual();

    // A refused file shows its message and changes nothing; nor does a
    // cancelled dialog.
    const QString malo = dir.filePath("malo.kvx");
    {
        QFile f(malo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("esto no es un proyecto\n");
    }
    Mensajes::Limpiar();
    Responder(malo, &titulo);
    g->mnuArchivoAbrir->trigger();
    ASSERT_FALSE(pruebas::TextosMensajes().empty());
    EXPECT_EQ(pruebas::UltimoMensaje().titulo, kTituloAbrir);
    igual();
    Responder(QString(), &titulo);
    g->mnuArchivoAbrir->trigger();
    igual();

    // A project without loads: an empty grid and no results of the
    // previous project on the main window.
    Proyecto vacio;
    vacio.seccion.TipoViga = kVigaRect;
    vacio.seccion.txtB = "25";
    vacio.seccion.txtH = "50";
    const QString sinCargas = dir.filePath("sin_cargas.kvx");
    ASSERT_FALSE(GuardarArchivoKvx(sinCargas.toStdString(), vacio).has_value());
    Mensajes::Limpiar();
    Responder(sinCargas, &titulo);
    g->mnuArchivoAbrir->trigger();
    EXPECT_TRUE(Mensajes::Registrados().empty()) << pruebas::UltimoMensaje().texto;
    EXPECT_EQ(c->grid->rowCount(), 1);
    EXPECT_EQ(ProyectoActual().estado.NumCargas, 0);
    EXPECT_TRUE(g->lblMp->text().isEmpty());
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_TRUE(c->txtL->isEnabled());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());  // nothing calculated to print
}

TEST_F(Archivo, UnGuardadoFallidoLoDiceYConservaElArchivo) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(AbrirProyecto(g, pruebas::Ejemplo("viga_rectangular.kvx")));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A folder that does not exist: the writer cannot create its file.
    const QString imposible = dir.filePath("no_existe/proyecto.kvx");
    QString titulo;
    Mensajes::Limpiar();
    Responder(imposible, &titulo);
    g->mnuArchivoSalvarcomo->trigger();
    EXPECT_FALSE(QFile::exists(imposible));
    ASSERT_FALSE(pruebas::TextosMensajes().empty());
    EXPECT_EQ(pruebas::UltimoMensaje().titulo, kTituloGuardar);
}

}  // namespace
}  // namespace korvex::ui
