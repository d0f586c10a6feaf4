// The main window as it opens: its caption, the texts, tool tips and start
// state of its controls, the toolbar keys and the menus with their shortcuts.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {
namespace {

using pruebas::Hijo;
using Inicio = pruebas::Entorno;

QString U(const char* s) {
    return QString::fromUtf8(s);
}

TEST_F(Inicio, TextosYAyudasDeLosControles) {
    frmGeneral* g = Ventana<frmGeneral>();
    EXPECT_EQ(g->objectName(), "frmGeneral");
    EXPECT_EQ(g->windowTitle(), "Korvex 2000 v1.0 ");

    struct Texto {
        const char* nombre;
        const char* texto;
    };
    const Texto etiquetas[] = {
        {"lblFc", "f'c:"},
        {"lblUnd", "Kgr/Cm^2"},
        {"lblFy", "fy:"},
        {"lblUnd2", "Kgr/Cm^2"},
        {"lblRec", "Recubrimiento:"},
        {"lblRecu", "Cm"},
        {"lblesp", "Especificaciones Técnicas:"},
        {"lblDatos", "Datos Generales"},
        {"Label1", "Datos de la Sección:"},
        {"lblEstribos", "Estribos:"},
        {"lblcms", "cm"},
        {"lbl1", "Diagrama a Escala"},
        {"lbl2", "Diagrama a Escala"},
        {"lblPos", "(+)"},
        {"lblNeg", "(-)"},
        {"lblPos2", "(+)"},
        {"lblNeg2", "(-)"},
        {"lblQmaxp", "Qmax:"},
        {"lblQmaxn", "Qmax:"},
        {"lblMmaxp", "Mmax:"},
        {"lblMmaxn", "Mmax:"},
    };
    for (const Texto& t : etiquetas) {
        EXPECT_EQ(Hijo<QLabel>(g, t.nombre)->text(), U(t.texto)) << t.nombre;
    }
    struct Ayuda {
        const char* nombre;
        const char* texto;
        const char* ayuda;
    };
    const Ayuda botones[] = {
        {"cmdUsos", "Control de Deflexiones", "Deflexiones Consideradas"},
        {"cmdReiniciar2", "Reiniciar", "Reinicia la entrada de datos"},
        {"cmdCalculos", "Realizar Cálculos", "Realiza los Cálculos"},
        {"cmdVarillas", "Posibles Varillas a Utilizar", ""},
    };
    for (const Ayuda& b : botones) {
        auto* w = Hijo<QPushButton>(g, b.nombre);
        EXPECT_EQ(w->text(), U(b.texto)) << b.nombre;
        if (*b.ayuda) {
            EXPECT_EQ(w->toolTip(), U(b.ayuda)) << b.nombre;
        }
    }
    EXPECT_EQ(Hijo<QLineEdit>(g, "txtFc")->text(), "210");
    EXPECT_EQ(Hijo<QLineEdit>(g, "txtFc")->toolTip(),
              U("Resistencia especificada a la compresión del concreto"));
    EXPECT_EQ(Hijo<QLineEdit>(g, "txtRec")->text(), "4");
    EXPECT_EQ(Hijo<QLineEdit>(g, "txtRec")->toolTip(), "Recubrimiento");
    EXPECT_EQ(Hijo<QLineEdit>(g, "txtEstribos")->toolTip(), U("Espaciamiento máximo de estribos"));
    auto* fy = Hijo<QComboBox>(g, "cboFy");
    EXPECT_EQ(fy->currentText(), "2800");
    ASSERT_EQ(fy->count(), 2);
    EXPECT_EQ(fy->itemText(0), "2800");
    EXPECT_EQ(fy->itemText(1), "4200");
    EXPECT_EQ(fy->toolTip(), "Resistencia especificada a la fluencia del acero.");
    EXPECT_EQ(Hijo<QGroupBox>(g, "frmRespuestas")->title(), "Resultados :");
    EXPECT_EQ(Hijo<QGroupBox>(g, "frDiagrama")->title(), "Diagramas:");
    EXPECT_EQ(Hijo<QGroupBox>(g, "frDiagrama")->toolTip(), U("Selección de Diagramas"));
    EXPECT_EQ(Hijo<QRadioButton>(g, "optMomCor")->text(), "Momento y Cortante");
    EXPECT_EQ(Hijo<QRadioButton>(g, "optGirDef")->text(), "Giros y Deformaciones");
    EXPECT_EQ(Hijo<Lienzo>(g, "pct1")->toolTip(), "Dibujo a Escala de Diagramas");
    EXPECT_EQ(Hijo<Lienzo>(g, "pct2")->toolTip(), "Dibujo a Escala de Diagramas");

    auto* acero = Hijo<QTableWidget>(g, "grdAcero");
    EXPECT_EQ(acero->toolTip(), "Acero de Refuerzo");
    ASSERT_EQ(acero->rowCount(), 3);
    ASSERT_EQ(acero->columnCount(), 3);
    EXPECT_EQ(Celda(acero, 0, 0), U("Acero (cm ²)"));
    EXPECT_EQ(Celda(acero, 0, 1), U("Sección M(+)"));
    EXPECT_EQ(Celda(acero, 0, 2), U("Sección M(-)"));
    EXPECT_EQ(Celda(acero, 1, 0), U("Tracción"));
    EXPECT_EQ(Celda(acero, 2, 0), U("Compresión"));
}

TEST_F(Inicio, EstadoDeArranque) {
    frmGeneral* g = Ventana<frmGeneral>();
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_FALSE(g->cmdVarillas->isEnabled());
    EXPECT_TRUE(g->optMomCor->isChecked());
    EXPECT_FALSE(g->optMomCor->isEnabled());
    EXPECT_FALSE(g->optGirDef->isEnabled());
    EXPECT_FALSE(g->mnuArchivoSalvarcomo->isEnabled());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
    EXPECT_EQ(Hijo<QProgressBar>(g, "PBar")->value(), 0);
    // Form_Load: the first deflection-use category.
    EXPECT_TRUE(Ventana<frmUsos>()->Option1->isChecked());
    EXPECT_EQ(Registro::Instancia().proyecto().materiales.UsoDeflexion, 1);
}

TEST_F(Inicio, BarraConSusSieteBotonesPorClave) {
    frmGeneral* g = Ventana<frmGeneral>();
    auto* barra = Hijo<QToolBar>(g, "Barrah");
    struct Boton {
        const char* clave;
        const char* ayuda;
        bool activo;
    };
    const Boton botones[] = {
        {"Nuevo", "Nuevo Archivo", true},
        {"Abrir", "Abrir Archivo", true},
        {"Salvar", "Guardar Archivo", false},
        {"Imprimir", "Imprimir Resultados", false},
        {"Cargas", "Insertar Cargas", false},
        {"Secciones", "Definir Sección", true},
        {"Ayuda", "Ayuda", true},
    };
    const QList<QAction*> acciones = barra->actions();
    ASSERT_EQ(acciones.size(), 7);
    for (int i = 0; i < 7; ++i) {
        const Boton& b = botones[i];
        QAction* a = acciones[i];
        EXPECT_EQ(a->objectName(), b.clave) << "botón " << i + 1;
        EXPECT_EQ(a->toolTip(), U(b.ayuda)) << b.clave;
        EXPECT_EQ(a->isEnabled(), b.activo) << b.clave;
        EXPECT_FALSE(a->icon().isNull()) << b.clave;
        EXPECT_EQ(g->Boton(b.clave), a);
        EXPECT_EQ(Hijo<QToolButton>(barra, b.clave)->defaultAction(), a);
    }
    EXPECT_EQ(g->Boton("Otra"), nullptr);
    g->Barrah_ButtonClick("Otra");  // does nothing
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);
}

TEST_F(Inicio, MenusConSusAtajos) {
    frmGeneral* g = Ventana<frmGeneral>();
    struct Menu {
        const char* nombre;
        const char* texto;
        QKeySequence atajo;
        bool activo;
    };
    const Menu menus[] = {
        {"mnuArchivoAbrir", "A&brir", {}, true},
        {"mnuArchivoNuevo", "N&uevo", QKeySequence("Ctrl+N"), true},
        {"mnuArchivoSalvarcomo", "Guardar", {}, false},
        {"mnuArchivoImprimir", "Imprimir", QKeySequence("Ctrl+P"), false},
        {"mnuArchivoSalir", "Sali&r", {}, true},
        {"mnuUtilidadesArea", "Area y Cg", {}, true},
        {"mnuAyudaIndice", "Instrucciones", QKeySequence(Qt::Key_F1), true},
        {"mnuAyudaGuia", "Guía Rápida", {}, true},
        {"mnuAyudaAbout", "Información", {}, true},
    };
    for (const Menu& m : menus) {
        auto* a = Hijo<QAction>(g, m.nombre);
        EXPECT_EQ(a->text(), U(m.texto)) << m.nombre;
        EXPECT_EQ(a->shortcut(), m.atajo) << m.nombre;
        EXPECT_EQ(a->isEnabled(), m.activo) << m.nombre;
    }
    EXPECT_TRUE(Hijo<QAction>(g, "mnuArchivoRaya")->isSeparator());
    EXPECT_TRUE(Hijo<QAction>(g, "mnuAyudaRaya")->isSeparator());
    EXPECT_EQ(Hijo<QMenu>(g, "mnuArchivo")->title(), "&Archivo");
    EXPECT_EQ(Hijo<QMenu>(g, "mnuUtilidades")->title(), "Ut&ilidades");
    EXPECT_EQ(Hijo<QMenu>(g, "mnuAyuda")->title(), "A&yuda");
}

}  // namespace
}  // namespace korvex::ui
