// The deflection-use dialog, the stirrup dialog (real, driven as a user) and
// the bar table window.
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

using pruebas::Hijo;
using Dialogos = pruebas::Entorno;

TEST_F(Dialogos, UsosConSusCuatroCategoriasYLaPrimeraPorDefecto) {
    frmUsos* u = Ventana<frmUsos>();
    EXPECT_EQ(u->windowTitle(), "Tipo de Elemento");
    EXPECT_EQ(u->Label1->text(), "Uso de la Viga");
    EXPECT_EQ(u->cmdFrmUsosOk->text(), "Ok");
    const char* textos[] = {
        "Azoteas Planas que no soporten ni estén ligadas a elementos no estructurales "
        "susceptibles de sufrir daños por grandes deflexiones",
        "Entrepisos que no soporten ni estén ligados a elementos no estructurales susceptibles "
        "de sufrir daños por grandes deflexiones",
        "Sistema de entrepiso o azotea que soporte o esté ligado a elementos no estructurales "
        "susceptibles de sufrir daños por grandes deflexiones",
        "Sistema de entrepiso o azotea que soporte o esté ligado a elementos no estructurales no "
        "susceptibles de sufrir daños por grandes deflexiones"};
    const char* nombres[] = {"Option1", "Option2", "Option3", "Option4"};
    for (int i = 0; i < 4; ++i) {
        auto* o = Hijo<QRadioButton>(u, nombres[i]);
        EXPECT_EQ(o->text(), QString::fromUtf8(textos[i]));
        EXPECT_EQ(o->isChecked(), i == 0);
        // The long caption wraps: taller than one line at the dialog's width.
        EXPECT_GT(o->heightForWidth(400), 2 * o->fontMetrics().height()) << nombres[i];
    }
    EXPECT_EQ(u->Uso(), 1);
    EXPECT_EQ(Registro::Instancia().proyecto().materiales.UsoDeflexion, 1);
}

TEST_F(Dialogos, UsosRecuerdaLaEleccionEntreAperturas) {
    frmGeneral* g = Ventana<frmGeneral>();
    g->show();
    for (int vez = 0; vez < 2; ++vez) {
        QTimer::singleShot(0, [&] {
            auto* u = qobject_cast<frmUsos*>(QApplication::activeModalWidget());
            ASSERT_NE(u, nullptr);
            if (vez == 0) {
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
    frmEstribos* primera = Ventana<frmEstribos>();
    EXPECT_EQ(primera->windowTitle(), "Diametro de los estribos");
    EXPECT_EQ(primera->Label1->text(),
              "Favor introducir el diametro a utilizar para los estribos:");
    EXPECT_EQ(primera->opt38->text(), QString::fromUtf8("ø 3/8"));
    EXPECT_EQ(primera->opt12->text(), QString::fromUtf8("ø 1/2"));

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
    EXPECT_EQ(v->windowTitle(), "Posibles Varillas a Utilizar");
    EXPECT_EQ(v->lblNota->text(),
              QString::fromUtf8("NOTA: Está a criterio del usuario la disposición de las barras "
                                "de acero y su viabilidad a la hora de construirse el elemento, de "
                                "acuerdo a los resultados de este programa."));
    const char* columnas[] = {"Diámetro", "M(+) Tracción", "M(-) Tracción", "M(+) Compresión",
                              "M(-) Compresión"};
    const char* filas[] = {"1\"", "3/4\"", "1/2\"", "3/8\""};
    QTableWidget* t = v->grdVarillas;
    ASSERT_EQ(t->rowCount(), 5);
    ASSERT_EQ(t->columnCount(), 5);
    for (int c = 0; c < 5; ++c) EXPECT_EQ(Celda(t, 0, c), QString::fromUtf8(columnas[c]));
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(Celda(t, r, 0), filas[r - 1]);
    // The counts of the design; the M(+) tension steel needs bars, the rest none.
    const EstadoProyecto& e = Registro::Instancia().proyecto().estado;
    int barras = 0;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(Celda(t, r, c), QString::number(e.Varillas[r - 1][c - 1]));
            EXPECT_EQ(t->item(r, c)->textAlignment(), Qt::AlignCenter);
        }
        barras += e.Varillas[r - 1][0];
    }
    EXPECT_GT(barras, 0);
    // Bars of 1" for 24.31 cm2: As + 0.356 = 24.67, 24.67 / 5.06707 -> 4.
    EXPECT_EQ(Celda(t, 1, 1), "4");
    EXPECT_EQ(Celda(t, 1, 2), "0");
}

}  // namespace
}  // namespace korvex::ui
