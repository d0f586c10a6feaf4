// The clear cover of the main window and the user's bars of the bar window,
// on the rectangular example (25 x 50, 4 cm cover to the steel, 3/8"
// stirrups): each change calculates again, shows the arrangement that
// follows, refuses a bad value naming the field, and is one undo step.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "comun/Ayudas.h"
#include "ui/common/Deshacer.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmVarillas.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

// The example opened and calculated, with its bar window up.
frmVarillas* Abierto(frmGeneral* g) {
    g->show();
    EXPECT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    ProcesarEventos();
    g->cmdVarillas->click();
    return g->Ventana<frmVarillas>();
}

// The program's bars of the bottom face: 6 Ø 1" in two layers (3 fit in
// 25 - 2 (4 + 0.95) = 15.1 cm: 3 x 2.54 + 2 x 2.54 = 12.7). Centroid from
// the face: layer 1 at 4 + 0.9525 + 1.27 = 6.2225, layer 2 at 6.2225 +
// 2.54 + 2.5 = 11.2625, mean 8.7425, so d real = 50 - 8.7425 = 41.26 cm.
// A clear cover of 5 cm lifts both layers 1 cm: d real = 40.26 cm.
TEST_F(Entorno, RecubrimientoLibreCambiaElPeralteReal) {
    frmGeneral* g = ui::Ventana<frmGeneral>();
    frmVarillas* v = Abierto(g);
    const auto armado = [&] { return v->lblArmadoInferior->text().toStdString(); };
    EXPECT_NE(armado().find("3 Ø 1\" + 3 Ø 1\" (2 capas), d real = 41.26 cm"), std::string::npos)
        << armado();
    EXPECT_NE(armado().find("cumple"), std::string::npos);
    EXPECT_EQ(g->txtRecLibre->text(), "4");

    // Typed in the main window, the bar window following it.
    QApplication::setActiveWindow(g);
    ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    Teclear(g->txtRecLibre, "5");
    EXPECT_EQ(g->documento().proyecto().estado.RecubrimientoLibre, 5.0f);
    EXPECT_NE(armado().find("d real = 40.26 cm"), std::string::npos) << armado();
    EXPECT_FALSE(g->documento().Desactualizado());
    EXPECT_EQ(g->mnuEdicionDeshacer->text(),
              QString::fromUtf8("Deshacer «Cambiar recubrimiento libre»"));

    // Not a number, negative, or half the width of 25 cm: refused, the
    // project keeps 5 cm.
    for (const char* malo : {"abc", "-1", "12.5"}) {
        SCOPED_TRACE(malo);
        Mensajes::Limpiar();
        g->txtRecLibre->setText(malo);
        g->txtRecLibre_LostFocus();
        EXPECT_EQ(UltimoMensaje().titulo, "Recubrimiento Libre Incorrecto");
        EXPECT_NE(UltimoMensaje().texto.find("recubrimiento libre (cm)"), std::string::npos)
            << UltimoMensaje().texto;
        EXPECT_EQ(g->documento().proyecto().estado.RecubrimientoLibre, 5.0f);
        EXPECT_EQ(g->txtRecLibre->text(), "5");
    }

    g->historial().Deshacer();
    ProcesarEventos();
    EXPECT_EQ(g->documento().proyecto().estado.RecubrimientoLibre, 4.0f);
    EXPECT_EQ(g->txtRecLibre->text(), "4");
}

// Two 3/8" bars at the bottom (As = 1.43 cm2 against Mu = 23.51 Tn.m) fit
// but do not resist: the label says so in red. Unticked, the program's
// choice comes back.
TEST_F(Entorno, VarillasDelUsuarioYVueltaALaEleccionDelPrograma) {
    frmGeneral* g = ui::Ventana<frmGeneral>();
    frmVarillas* v = Abierto(g);
    const EstadoProyecto& e = g->documento().proyecto().estado;
    const auto armado = [&] { return v->lblArmadoInferior->text().toStdString(); };
    const std::string programa = armado();
    EXPECT_FALSE(v->chkBarrasInferior->isChecked());
    EXPECT_FALSE(v->txtCantInferior->isEnabled());

    // A single bar is refused before anything is stored.
    v->chkBarrasInferior->setChecked(true);
    v->cboDiamInferior->setCurrentIndex(3);
    v->txtCantInferior->setText("1");
    v->cmdAplicarBarras->click();
    EXPECT_EQ(UltimoMensaje().titulo, "Cantidad de Varillas Incorrecta");
    EXPECT_NE(UltimoMensaje().texto.find("cara inferior"), std::string::npos);
    EXPECT_FALSE(e.BarrasInferior);

    v->txtCantInferior->setText("2");
    v->cmdAplicarBarras->click();
    ProcesarEventos();
    EXPECT_EQ(e.BarrasInferior, (BarrasUsuario{3, 2}));
    EXPECT_NE(armado().find("(varillas del usuario): 2 Ø 3/8\""), std::string::npos) << armado();
    EXPECT_NE(armado().find("no cumple. Las varillas de la cara inferior no resisten Mu"),
              std::string::npos)
        << armado();
    EXPECT_TRUE(v->lblArmadoInferior->styleSheet().contains("red"));
    EXPECT_FALSE(g->documento().Desactualizado());
    EXPECT_EQ(g->mnuEdicionDeshacer->text(),
              QString::fromUtf8("Deshacer «Cambiar varillas de la cara inferior»"));

    // Undone: the project and the window's choice back to the program's.
    g->historial().Deshacer();
    ProcesarEventos();
    EXPECT_FALSE(e.BarrasInferior);
    EXPECT_FALSE(v->chkBarrasInferior->isChecked());
    g->historial().Rehacer();
    ProcesarEventos();
    EXPECT_TRUE(v->chkBarrasInferior->isChecked());
    EXPECT_EQ(v->txtCantInferior->text(), "2");

    v->chkBarrasInferior->setChecked(false);
    v->cmdAplicarBarras->click();
    ProcesarEventos();
    EXPECT_FALSE(e.BarrasInferior);
    EXPECT_EQ(armado(), programa);
    EXPECT_FALSE(v->lblArmadoInferior->styleSheet().contains("red"));
}

}  // namespace
}  // namespace korvex::ui
