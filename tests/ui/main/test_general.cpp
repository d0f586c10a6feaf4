// Behaviour of the main window: the field checks of f'c and cover, fy
// recalculating only after a calculation, the silent precondition, the
// progress bar, New with its question and the full reset.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "comun/Ayudas.h"
#include "ui/common/Colores.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {
namespace {

using pruebas::Ejemplo;
using pruebas::Hijo;

class General : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        g->show();
        QApplication::setActiveWindow(g);
        ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    }

    // Leaves `campo` holding `texto` by moving the focus to another control,
    // as a user pressing Tab does.
    void Salir(QLineEdit* campo, const QString& texto) {
        campo->setFocus(Qt::OtherFocusReason);
        campo->setText(texto);
        g->cmdUsos->setFocus(Qt::TabFocusReason);
        pruebas::ProcesarEventos();
    }

    frmGeneral* g = nullptr;
};

TEST_F(General, ResistenciaDelHormigonPositiva) {
    struct Caso {
        const char* texto;
        bool rechazada;
    };
    const Caso casos[] = {{"1", false},    {"10", false}, {"10.5", false}, {"0.5", false},
                          {"texto", true}, {"0", true},   {"-5", true},    {"210", false}};
    for (const Caso& c : casos) {
        Mensajes::Limpiar();
        Salir(g->txtFc, c.texto);
        if (c.rechazada) {
            ASSERT_EQ(Mensajes::Registrados().size(), 1u) << c.texto;
            EXPECT_EQ(pruebas::UltimoMensaje(),
                      (Mensaje{"La resistencia del Hormigón es un numero Positivo mayor que 0",
                               "Resistencia Incorrecta", kEstiloCritico}));
            // The field is given back with its whole text selected, unchanged.
            EXPECT_TRUE(g->txtFc->hasFocus()) << c.texto;
            EXPECT_EQ(g->txtFc->selectedText(), c.texto);
        } else {
            EXPECT_TRUE(Mensajes::Registrados().empty()) << c.texto;
            EXPECT_FALSE(g->txtFc->hasFocus()) << c.texto;
        }
        EXPECT_EQ(Registro::Instancia().proyecto().materiales.txtFc, c.texto);
    }
}

TEST_F(General, RecubrimientoDeUnoADiezCentimetros) {
    g->txtRec->setEnabled(true);
    struct Caso {
        const char* texto;
        bool rechazado;
    };
    const Caso casos[] = {{"1", false},  {"10", false}, {"10.5", true}, {"0.5", true},
                          {"abc", true}, {"0", true},   {"-5", true},   {"4", false}};
    for (const Caso& c : casos) {
        Mensajes::Limpiar();
        Salir(g->txtRec, c.texto);
        if (c.rechazado) {
            ASSERT_EQ(Mensajes::Registrados().size(), 1u) << c.texto;
            EXPECT_EQ(pruebas::UltimoMensaje(),
                      (Mensaje{"El Recubrimiento solo admite valores  de 1 a 10 cms",
                               "Distancia Incorrecta", kEstiloCritico}));
            EXPECT_TRUE(g->txtRec->hasFocus()) << c.texto;
            EXPECT_EQ(g->txtRec->selectedText(), c.texto);
        } else {
            EXPECT_TRUE(Mensajes::Registrados().empty()) << c.texto;
        }
        EXPECT_EQ(Registro::Instancia().proyecto().materiales.txtRec, c.texto);
    }
    // A wrong cover also hides the section chooser.
    auto* secciones = Ventana<frmSecciones>();
    secciones->show();
    g->txtRec->setText("11");
    g->txtRec_LostFocus();
    EXPECT_FALSE(secciones->isVisible());
}

TEST_F(General, RecubrimientoHabilitaElBotonSecciones) {
    QAction* secciones = g->Boton("Secciones");
    g->txtRec->setText("");
    EXPECT_FALSE(secciones->isEnabled());
    g->txtRec->setText("abc");  // neither empty nor numeric: unchanged
    EXPECT_FALSE(secciones->isEnabled());
    g->txtRec->setText("5");
    EXPECT_TRUE(secciones->isEnabled());
    g->txtRec->setText("5x");
    EXPECT_TRUE(secciones->isEnabled());
}

TEST_F(General, SinCargasSoloLaBarraLlegaACien) {
    QSignalSpy barra(g->PBar, &QProgressBar::valueChanged);
    g->cmdCalculos->setEnabled(true);
    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    EXPECT_EQ(g->PBar->value(), 100);
    ASSERT_EQ(barra.count(), 1);
    EXPECT_TRUE(Mensajes::Registrados().empty());
    EXPECT_FALSE(g->optMomCor->isEnabled());
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "");
}

TEST_F(General, LaBarraDeProgresoRecorreElCalculo) {
    ASSERT_TRUE(g->AbrirArchivo(Ejemplo("viga_rectangular.kvx")));
    QSignalSpy barra(g->PBar, &QProgressBar::valueChanged);
    g->PBar->setValue(0);
    g->cmdCalculos_Click();
    std::vector<int> valores;
    for (const auto& v : barra) valores.push_back(v[0].toInt());
    EXPECT_EQ(valores, (std::vector<int>{0, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST_F(General, FyRecalculaSoloDespuesDeUnCalculo) {
    // Before any calculation: choosing 4200 only changes the text.
    pruebas::PonerViga(6, {pruebas::Puntual(3, 10, kViva, 6)});
    Proyecto& p = Registro::Instancia().proyecto();
    p.seccion.TipoViga = kVigaRect;
    p.seccion.txtB = "25";
    p.seccion.txtH = "50";
    Calculos_Geom(p.seccion, p.estado);
    g->cboFy->setFocus();
    QTest::keyClick(g->cboFy, Qt::Key_Down);  // 2800 -> 4200, as picked from the list
    EXPECT_EQ(g->cboFy->currentText(), "4200");
    EXPECT_EQ(p.materiales.cboFy, "4200");
    EXPECT_EQ(p.estado.NumEstaciones, 0) << "no calculation before the first one";
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "");
    QTest::keyClick(g->cboFy, Qt::Key_Up);
    EXPECT_EQ(g->cboFy->currentText(), "2800");

    // After one: the steel is designed again with the new fy.
    ASSERT_TRUE(g->AbrirArchivo(Ejemplo("viga_rectangular.kvx")));
    const QString con2800 = Celda(g->grdAcero, 1, 1);
    const float as2800 = p.estado.AsTraccionPos;
    ASSERT_GT(as2800, 0);
    g->cboFy->setFocus();
    QTest::keyClick(g->cboFy, Qt::Key_Down);
    EXPECT_EQ(p.materiales.cboFy, "4200");
    EXPECT_LT(p.estado.AsTraccionPos, as2800 * 0.8f) << "fy 4200 needs less steel";
    EXPECT_NE(Celda(g->grdAcero, 1, 1), con2800);
}

// The state every control of the reset returns to.
void ComprobarInicio(frmGeneral* g) {
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) EXPECT_EQ(Celda(g->grdAcero, r, c), "") << r << "," << c;
    }
    EXPECT_EQ(g->PBar->value(), 0);
    EXPECT_FALSE(g->mnuArchivoSalvarcomo->isEnabled());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
    EXPECT_EQ(g->lblTipo->text(), "Tipo de Viga: ");
    EXPECT_EQ(g->lblB->text(), "b: ");
    EXPECT_EQ(g->lblH->text(), "h: ");
    EXPECT_EQ(g->lblbw->text(), "bw: ");
    EXPECT_EQ(g->lblhw->text(), "hw: ");
    EXPECT_FALSE(g->lblbw->isVisible());
    EXPECT_FALSE(g->lblhw->isVisible());
    EXPECT_TRUE(g->optMomCor->isChecked());
    EXPECT_EQ(g->lbl1->text(), "Diagrama a Escala");
    EXPECT_EQ(g->lbl2->text(), "Diagrama a Escala");
    EXPECT_EQ(g->lblMmaxn->text(), "Mmax:");
    EXPECT_EQ(g->lblMmaxp->text(), "Mmax:");
    EXPECT_EQ(g->lblQmaxp->text(), "Qmax:");
    EXPECT_EQ(g->lblQmaxn->text(), "Qmax:");
    EXPECT_FALSE(g->optMomCor->isEnabled());
    EXPECT_FALSE(g->optGirDef->isEnabled());
    EXPECT_EQ(g->txtEstribos->text(), "");
    for (const char* b : {"Cargas", "Imprimir", "Salvar"})
        EXPECT_FALSE(g->Boton(b)->isEnabled()) << b;
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_TRUE(g->pct2->Primitivas().empty());
    for (QLabel* l : {g->lblQn, g->lblQp, g->lblMn, g->lblMp}) EXPECT_EQ(l->text(), "");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_FALSE(g->cmdVarillas->isEnabled());
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);
}

TEST_F(General, ReiniciarDevuelveCadaControlASuEstadoInicial) {
    ASSERT_TRUE(g->AbrirArchivo(Ejemplo("viga_t_invertida.kvx")));
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    // The section window is laid out for the opened type, fields filled.
    frmSeccion* abierta = Ventana<frmSeccion>();
    EXPECT_FALSE(abierta->pctViga_Ti->isHidden());
    EXPECT_TRUE(abierta->pctViga_Rect->isHidden());
    EXPECT_EQ(abierta->lblBase->text(), "bf:");
    EXPECT_EQ(abierta->height(), Lienzo::Px(frmSeccion::kAltoT, abierta));
    EXPECT_FALSE(abierta->txtHw->text().isEmpty());
    g->optGirDef->click();
    ASSERT_EQ(g->lblMmaxn->text(), QString::fromUtf8("Deflexión máxima:"));
    g->txtFc->setText("250");
    const QString fy = g->cboFy->currentText(), rec = g->txtRec->text();
    Ventana<frmUsos>()->Option3->setChecked(true);
    Proyecto& p = Registro::Instancia().proyecto();
    const Seccion antes = p.seccion;

    QTest::mouseClick(g->cmdReiniciar2, Qt::LeftButton);
    ComprobarInicio(g);

    const EstadoProyecto& e = p.estado;
    EXPECT_EQ(e.NumCargas, 0);
    EXPECT_EQ(e.Cargas.size(), 1u);
    EXPECT_EQ(e.LuzViga, 0.0f);
    EXPECT_EQ(e.DistJ, 0.0f);
    EXPECT_EQ(e.DistK, 0.0f);
    for (float v :
         {e.AsTraccionPos, e.AsTraccionNeg, e.AsCompresionPos, e.AsCompresionNeg, e.CortanteMaxAbs,
          e.CortanteMax, e.CortanteMin, e.MomentoNegMax, e.MomentoPosMax, e.MomentoMaxAbs}) {
        EXPECT_EQ(v, 0.0f);
    }
    EXPECT_EQ(p.seccion.TipoViga, "");
    // The section window's fields are emptied, its dimensions kept.
    frmSeccion* s = Ventana<frmSeccion>();
    for (QLineEdit* c : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(c->text(), "");
    EXPECT_EQ(p.seccion.Bf, antes.Bf);
    EXPECT_EQ(p.seccion.Hw, antes.Hw);
    // Material data and the deflection use stay.
    EXPECT_EQ(g->txtFc->text(), "250");
    EXPECT_EQ(g->cboFy->currentText(), fy);
    EXPECT_EQ(g->txtRec->text(), rec);
    EXPECT_TRUE(Ventana<frmUsos>()->Option3->isChecked());
}

TEST_F(General, NuevoPreguntaAntesDeReiniciar) {
    ASSERT_TRUE(g->AbrirArchivo(Ejemplo("viga_rectangular.kvx")));
    const Mensaje pregunta{"Esta seguro de que desea abrir un archivo nuevo ?!?", "Documento Nuevo",
                           kEstiloPregunta};
    Mensajes::Limpiar();
    Mensajes::ProgramarRespuesta(kRespuestaCancelar);
    g->Boton("Nuevo")->trigger();
    EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{pregunta});
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_EQ(Registro::Instancia().proyecto().estado.NumCargas, 3);

    Mensajes::Limpiar();
    Mensajes::ProgramarRespuesta(kRespuestaOk);
    QTest::keyClick(g, Qt::Key_N, Qt::ControlModifier);  // mnuArchivoNuevo by its shortcut
    EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{pregunta});
    ComprobarInicio(g);
    EXPECT_EQ(Registro::Instancia().proyecto().estado.NumCargas, 0);
}

TEST_F(General, AbrirUnProyectoLlegaACalculado) {
    ASSERT_TRUE(g->AbrirArchivo(Ejemplo("viga_rectangular.kvx")));
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_TRUE(g->Boton("Cargas")->isEnabled());
    EXPECT_TRUE(g->Boton("Salvar")->isEnabled());
    EXPECT_TRUE(g->Boton("Imprimir")->isEnabled());
    EXPECT_TRUE(g->txtRec->isEnabled());
    EXPECT_EQ(g->lblTipo->text(), "Tipo de Viga: Rectangular");
    EXPECT_EQ(g->lblB->text(), "b: 25");
    EXPECT_EQ(g->lblH->text(), "h: 50");
    EXPECT_EQ(g->lbl1->text(), "Diagrama de Cortante (Tn)");
    EXPECT_EQ(g->lbl2->text(), "Diagrama de Momento (Tn/m)");
    EXPECT_EQ(g->PBar->value(), 100);

    // A file that cannot be read leaves everything as it was.
    const Proyecto antes = Registro::Instancia().proyecto();
    Mensajes::Limpiar();
    EXPECT_FALSE(g->AbrirArchivo(Ejemplo("no_existe.kvx")));
    ASSERT_EQ(Mensajes::Registrados().size(), 1u);
    EXPECT_EQ(pruebas::UltimoMensaje().estilo, kEstiloCritico);
    EXPECT_EQ(Registro::Instancia().proyecto(), antes);
}

}  // namespace
}  // namespace korvex::ui
