// The main window as it opens: the objectNames that outside checks drive,
// the toolbar keys with their enabled state and the start state.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {
namespace {

using pruebas::Hijo;
using Inicio = pruebas::Entorno;

TEST_F(Inicio, NombresDeLosControlesYEstadoDeArranque) {
    frmGeneral* g = Ventana<frmGeneral>();
    for (const char* n : {"txtFc", "txtRec", "txtEstribos"}) Hijo<QLineEdit>(g, n);
    for (const char* n : {"cmdUsos", "cmdReiniciar2", "cmdCalculos", "cmdVarillas"}) {
        Hijo<QPushButton>(g, n);
    }
    for (const char* n : {"mnuArchivoAbrir", "mnuArchivoNuevo", "mnuArchivoSalvarcomo",
                          "mnuArchivoImprimir", "mnuArchivoSalir", "mnuUtilidadesArea",
                          "mnuAyudaIndice", "mnuAyudaGuia", "mnuAyudaAbout"}) {
        Hijo<QAction>(g, n);
    }
    Hijo<Lienzo>(g, "pct1");
    Hijo<Lienzo>(g, "pct2");
    EXPECT_EQ(Hijo<QComboBox>(g, "cboFy")->currentText(), "2800");
    EXPECT_EQ(Hijo<QTableWidget>(g, "grdAcero")->rowCount(), 3);

    // The seven toolbar keys in order; only those usable without a section
    // and a calculation start enabled.
    const std::pair<const char*, bool> botones[] = {
        {"Nuevo", true},   {"Abrir", true},      {"Salvar", false}, {"Imprimir", false},
        {"Cargas", false}, {"Secciones", true}, {"Ayuda", true}};
    const QList<QAction*> acciones = Hijo<QToolBar>(g, "Barrah")->actions();
    ASSERT_EQ(acciones.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(acciones[i]->objectName(), botones[i].first);
        EXPECT_EQ(acciones[i]->isEnabled(), botones[i].second) << botones[i].first;
        EXPECT_EQ(g->Boton(botones[i].first), acciones[i]);
        EXPECT_EQ(Hijo<QToolButton>(g->Barrah, botones[i].first)->defaultAction(), acciones[i]);
    }
    EXPECT_EQ(g->Boton("Otra"), nullptr);
    g->Barrah_ButtonClick("Otra");  // an unknown key does nothing

    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_FALSE(g->cmdVarillas->isEnabled());
    EXPECT_TRUE(g->optMomCor->isChecked());
    EXPECT_FALSE(g->optGirDef->isEnabled());
    EXPECT_FALSE(g->mnuArchivoSalvarcomo->isEnabled());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
    EXPECT_EQ(g->PBar->value(), 0);
    EXPECT_TRUE(Ventana<frmUsos>()->Option1->isChecked());
    EXPECT_EQ(Registro::Instancia().proyecto().materiales.UsoDeflexion, 1);
}

}  // namespace
}  // namespace korvex::ui
