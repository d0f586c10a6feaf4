// The help windows: captions, the text box that fills the window and
// follows its size, one window shown again rather than a second one, and
// the instructions naming the main window's own toolbar buttons in order.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

#include "comun/Ayudas.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/main/frmGeneral.h"
#include "ui/startup/frmHelp.h"

namespace korvex::ui {
namespace {

class Ayuda : public pruebas::Entorno {};

// The text box covers the whole client area of its window.
void LlenaLaVentana(QWidget* w) {
    QTextBrowser* t = pruebas::Hijo<QTextBrowser>(w, "RichTextBox1");
    EXPECT_EQ(t->geometry(), w->rect()) << w->objectName().toStdString();
}

TEST_F(Ayuda, TitulosYElTextoLlenaLaVentanaAlCambiarDeTamano) {
    MostrarAyuda(1);
    MostrarAyuda(2);
    frmHelp* h = Registro::Instancia().SiExiste<frmHelp>();
    frmHelp2* g = Registro::Instancia().SiExiste<frmHelp2>();
    ASSERT_NE(h, nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(h->isVisible());
    EXPECT_TRUE(g->isVisible());
    EXPECT_FALSE(h->isModal());
    EXPECT_EQ(h->windowTitle(), "Instrucciones de Korvex 2000");
    EXPECT_EQ(g->windowTitle(), "Guía Rápida");
    pruebas::ProcesarEventos();
    for (QWidget* w : {static_cast<QWidget*>(h), static_cast<QWidget*>(g)}) {
        LlenaLaVentana(w);
        for (QSize s : {QSize(900, 300), QSize(320, 700)}) {
            w->resize(s);
            pruebas::ProcesarEventos();
            EXPECT_EQ(w->size(), s);
            LlenaLaVentana(w);
        }
    }
    if (const QByteArray dir = qgetenv("KORVEX_CAPTURAS"); !dir.isEmpty()) {
        h->resize(640, 560);
        g->resize(560, 480);
        pruebas::ProcesarEventos();
        h->grab().save(QString::fromLocal8Bit(dir) + "/frmHelp.png");
        g->grab().save(QString::fromLocal8Bit(dir) + "/frmHelp2.png");
    }
}

TEST_F(Ayuda, MostrarOtraVezTraeLaMismaVentanaAunqueSeHayaCerrado) {
    MostrarAyuda(1);
    frmHelp* h = Registro::Instancia().SiExiste<frmHelp>();
    ASSERT_NE(h, nullptr);
    h->close();
    pruebas::ProcesarEventos();
    EXPECT_FALSE(h->isVisible());
    EXPECT_EQ(Registro::Instancia().SiExiste<frmHelp>(), h);
    MostrarAyuda(1);
    EXPECT_EQ(Registro::Instancia().SiExiste<frmHelp>(), h);
    EXPECT_TRUE(h->isVisible());
    // The main window's F1 entry and its toolbar button open the same one.
    frmGeneral* gen = Ventana<frmGeneral>();
    h->close();
    gen->mnuAyudaIndice->trigger();
    EXPECT_TRUE(h->isVisible());
    h->close();
    gen->Barrah_ButtonClick("Ayuda");
    EXPECT_TRUE(h->isVisible());
    EXPECT_EQ(Registro::Instancia().SiExiste<frmHelp>(), h);
    gen->mnuAyudaGuia->trigger();
    ASSERT_NE(Registro::Instancia().SiExiste<frmHelp2>(), nullptr);
    EXPECT_TRUE(Registro::Instancia().SiExiste<frmHelp2>()->isVisible());
}

TEST_F(Ayuda, LosTextosNombranLoQueLaVentanaPrincipalOfrece) {
    const QString manual = Ventana<frmHelp>()->RichTextBox1->toPlainText();
    const QString guia = Ventana<frmHelp2>()->RichTextBox1->toPlainText();
    EXPECT_TRUE(manual.startsWith("INSTRUCCIONES DE USO"));
    // The toolbar buttons, as the main window names them, in their order.
    frmGeneral* g = Ventana<frmGeneral>();
    qsizetype pos = manual.indexOf("Barra de herramientas");
    ASSERT_GE(pos, 0);
    int botones = 0;
    for (QAction* a : g->Barrah->actions()) {
        const qsizetype siguiente = manual.indexOf(a->text(), pos + 1);
        EXPECT_GT(siguiente, pos) << a->text().toStdString();
        pos = siguiente;
        ++botones;
    }
    EXPECT_EQ(botones, 7);
    for (const QString& t :
         {g->mnuUtilidadesArea->text(), g->cmdCalculos->text(), g->cmdUsos->text(),
          g->cmdVarillas->text(), g->optMomCor->text(), g->optGirDef->text(),
          QString("Guardar PDF…"), QString("2800"), QString("4200")}) {
        EXPECT_TRUE(manual.contains(t)) << t.toStdString();
    }
    // The quick guide: six steps, then the notes (letter paper among them).
    EXPECT_EQ(Ventana<frmHelp2>()->RichTextBox1->document()->toHtml().count("<li"), 12);
    EXPECT_TRUE(guia.contains("8.5 × 11"));
    EXPECT_TRUE(guia.contains("Otros"));
}

}  // namespace
}  // namespace korvex::ui
