// The deflection-use dialog keeping its choice, the stirrup dialog (real,
// driven as a user) with its close box, and the bar table window.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "comun/Ayudas.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmUsos.h"
#include "ui/section/frmVarillas.h"

namespace korvex::ui {
namespace {

using Dialogos = pruebas::Entorno;

TEST_F(Dialogos, UsosRecuerdaLaEleccionEntreAperturas) {
    frmGeneral* g = Ventana<frmGeneral>();
    g->show();
    for (int vez = 0; vez < 2; ++vez) {
        QTimer::singleShot(0, [&] {
            auto* u = qobject_cast<frmUsos*>(QApplication::activeModalWidget());
            ASSERT_NE(u, nullptr);
            if (vez == 0) {
                // The long caption wraps: taller than one line at the dialog's width.
                EXPECT_GT(u->Option3->heightForWidth(400), 2 * u->Option3->fontMetrics().height());
                QTest::mouseClick(u->Option3, Qt::LeftButton, {}, QPoint(60, 8));
            } else {
                EXPECT_TRUE(u->Option3->isChecked()) << "the first choice is shown again";
            }
            QTest::mouseClick(u->cmdFrmUsosOk, Qt::LeftButton);
        });
        QTest::mouseClick(g->cmdUsos, Qt::LeftButton);
        EXPECT_FALSE(Ventana<frmUsos>()->isVisible());
        EXPECT_EQ(Registro::Instancia().proyecto().materiales.UsoDeflexion, 3);
    }
}

// Shows the real stirrup dialog through the adapter and answers it with
// `responder`; returns the diameter the design receives.
std::string Preguntar(const std::function<void(frmEstribos*)>& responder) {
    Mensajes::EstriboReal(true);
    QTimer::singleShot(0, [&] {
        auto* e = qobject_cast<frmEstribos*>(QApplication::activeModalWidget());
        ASSERT_NE(e, nullptr);
        responder(e);
    });
    const std::string d = Adaptador().PedirDiametroEstribo();
    Mensajes::EstriboReal(false);
    return d;
}

TEST_F(Dialogos, EstribosOkDaLaOpcionYElCierreTresOctavos) {
    // First showing: 3/8 chosen; Ok gives it.
    EXPECT_EQ(Preguntar([](frmEstribos* e) {
                  EXPECT_TRUE(e->opt38->isChecked());
                  QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
              }),
              "3/8");
    // 1/2 chosen and Ok.
    EXPECT_EQ(Preguntar([](frmEstribos* e) {
                  QTest::mouseClick(e->opt12, Qt::LeftButton);
                  QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
              }),
              "1/2");
    EXPECT_EQ(frmEstribos::DiamEstribo, "1/2");
    // 1/2 chosen again but the close box: 3/8, and the dialog is unloaded.
    QPointer<frmEstribos> vieja = Ventana<frmEstribos>();
    EXPECT_EQ(Preguntar([](frmEstribos* e) {
                  EXPECT_TRUE(e->opt12->isChecked()) << "hidden by Ok, it keeps its choice";
                  e->close();
              }),
              "3/8");
    pruebas::ProcesarEventos();
    EXPECT_TRUE(vieja.isNull());
    // The next showing starts again from its design: 3/8 chosen.
    EXPECT_EQ(Preguntar([](frmEstribos* e) {
                  EXPECT_TRUE(e->opt38->isChecked());
                  QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
              }),
              "3/8");
    EXPECT_EQ(Mensajes::PreguntasEstribo(), 4);
}

TEST_F(Dialogos, VarillasMuestraLaTablaDelDisenoSinSerModal) {
    frmGeneral* g = Ventana<frmGeneral>();
    g->show();
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_rectangular.kvx")));
    ASSERT_TRUE(g->cmdVarillas->isEnabled());
    QTest::mouseClick(g->cmdVarillas, Qt::LeftButton);
    frmVarillas* v = Ventana<frmVarillas>();
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(v->isModal());
    QTableWidget* t = v->grdVarillas;
    ASSERT_EQ(t->rowCount(), 5);
    ASSERT_EQ(t->columnCount(), 5);
    // The counts of the design, below the header row and column.
    const EstadoProyecto& e = Registro::Instancia().proyecto().estado;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(Celda(t, r, c), QString::number(e.Varillas[r - 1][c - 1]));
        }
    }
    // Bars of 1" for 24.31 cm2: As + 0.356 = 24.67, 24.67 / 5.06707 -> 4.
    EXPECT_EQ(Celda(t, 1, 1), "4");
    EXPECT_EQ(Celda(t, 1, 2), "0");
}

}  // namespace
}  // namespace korvex::ui
