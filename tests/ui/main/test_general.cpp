// Behaviour of the main window: the field checks of f'c and cover, fy
// recalculating only after a calculation, the silent precondition, New with
// its question and the full reset.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {
namespace {

using pruebas::Ejemplo;

class General : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        g->show();
        QApplication::setActiveWindow(g);
        ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    }
    frmGeneral* g = nullptr;
};

TEST_F(General, ResistenciaYRecubrimientoSeCompruebanAlSalir) {
    g->txtRec->setEnabled(true);
    struct Campo {
        QLineEdit* campo;
        const std::string* guardado;
        Mensaje aviso;
        std::vector<std::pair<const char*, bool>> casos;  // text, refused
    };
    const Materiales& m = Registro::Instancia().proyecto().materiales;
    const Campo campos[] = {
        {g->txtFc, &m.txtFc,
         {"La resistencia del Hormigón es un numero Positivo mayor que 0", "Resistencia Incorrecta",
          kEstiloCritico},
         {{"1", false}, {"10", false}, {"10.5", false}, {"0.5", false}, {"texto", true},
          {"0", true}, {"-5", true}, {"210", false}}},
        {g->txtRec, &m.txtRec,
         {"El Recubrimiento solo admite valores  de 1 a 10 cms", "Distancia Incorrecta",
          kEstiloCritico},
         {{"1", false}, {"10", false}, {"10.5", true}, {"0.5", true}, {"abc", true}, {"0", true},
          {"-5", true}, {"4", false}}},
    };
    for (const Campo& c : campos) {
        for (const auto& [texto, rechazado] : c.casos) {
            Mensajes::Limpiar();
            c.campo->setFocus(Qt::OtherFocusReason);
            c.campo->setText(texto);
            g->cmdUsos->setFocus(Qt::TabFocusReason);  // as Tab leaves the field
            pruebas::ProcesarEventos();
            if (rechazado) {
                EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{c.aviso}) << texto;
                // The field is given back with its whole text selected, unchanged.
                EXPECT_TRUE(c.campo->hasFocus()) << texto;
                EXPECT_EQ(c.campo->selectedText(), texto);
            } else {
                EXPECT_TRUE(Mensajes::Registrados().empty()) << texto;
                EXPECT_FALSE(c.campo->hasFocus()) << texto;
            }
            EXPECT_EQ(*c.guardado, texto);
        }
    }
    // A wrong cover also hides the section chooser.
    auto* secciones = Ventana<frmSecciones>();
    secciones->show();
    g->txtRec->setText("11");
    g->txtRec_LostFocus();
    EXPECT_FALSE(secciones->isVisible());

    // The chooser button follows the cover: off when empty, unchanged by a
    // text that is neither empty nor numeric.
    QAction* elegir = g->Boton("Secciones");
    for (const auto& [texto, activo] : {std::pair{"", false}, std::pair{"abc", false},
                                        std::pair{"5", true}, std::pair{"5x", true}}) {
        g->txtRec->setText(texto);
        EXPECT_EQ(elegir->isEnabled(), activo) << texto;
    }
}

TEST_F(General, SinCargasElCalculoNoHaceNadaSalvoLaBarra) {
    g->cmdCalculos->setEnabled(true);
    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    EXPECT_EQ(g->PBar->value(), 100);
    EXPECT_TRUE(Mensajes::Registrados().empty());
    EXPECT_FALSE(g->optMomCor->isEnabled());
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "");
}

TEST_F(General, FyRecalculaSoloDespuesDeUnCalculo) {
    pruebas::PonerViga(6, {pruebas::Puntual(3, 10, kViva, 6)});
    Proyecto& p = Registro::Instancia().proyecto();
    p.seccion.TipoViga = kVigaRect;
    p.seccion.txtB = "25";
    p.seccion.txtH = "50";
    Calculos_Geom(p.seccion, p.estado);
    g->cboFy->setFocus();
    QTest::keyClick(g->cboFy, Qt::Key_Down);  // 2800 -> 4200, as picked from the list
    EXPECT_EQ(p.materiales.cboFy, "4200");
    EXPECT_EQ(p.estado.NumEstaciones, 0) << "no calculation before the first one";
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "");
    QTest::keyClick(g->cboFy, Qt::Key_Up);
    EXPECT_EQ(g->cboFy->currentText(), "2800");

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

// The start text and state of every control the reset touches.
void ComprobarInicio(frmGeneral* g) {
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) EXPECT_EQ(Celda(g->grdAcero, r, c), "") << r << "," << c;
    }
    EXPECT_EQ(g->PBar->value(), 0);
    EXPECT_FALSE(g->mnuArchivoSalvarcomo->isEnabled());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
    const std::pair<QLabel*, const char*> textos[] = {
        {g->lblTipo, "Tipo de Viga: "}, {g->lblB, "b: "},          {g->lblH, "h: "},
        {g->lblbw, "bw: "},             {g->lblhw, "hw: "},        {g->lbl1, "Diagrama a Escala"},
        {g->lbl2, "Diagrama a Escala"}, {g->lblMmaxn, "Mmax:"},    {g->lblMmaxp, "Mmax:"},
        {g->lblQmaxp, "Qmax:"},         {g->lblQmaxn, "Qmax:"},    {g->lblQn, ""},
        {g->lblQp, ""},                 {g->lblMn, ""},            {g->lblMp, ""}};
    for (const auto& [l, t] : textos) EXPECT_EQ(l->text(), t) << l->objectName().toStdString();
    EXPECT_FALSE(g->lblbw->isVisible());
    EXPECT_FALSE(g->lblhw->isVisible());
    EXPECT_TRUE(g->optMomCor->isChecked());
    EXPECT_FALSE(g->optMomCor->isEnabled());
    EXPECT_FALSE(g->optGirDef->isEnabled());
    EXPECT_EQ(g->txtEstribos->text(), "");
    for (const char* b : {"Cargas", "Imprimir", "Salvar"})
        EXPECT_FALSE(g->Boton(b)->isEnabled()) << b;
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_TRUE(g->pct2->Primitivas().empty());
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_FALSE(g->cmdVarillas->isEnabled());
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);
}

TEST_F(General, ReiniciarDevuelveCadaControlASuEstadoInicial) {
    ASSERT_TRUE(g->AbrirArchivo(Ejemplo("viga_t_invertida.kvx")));
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_FALSE(Ventana<frmSeccion>()->txtHw->text().isEmpty());
    g->optGirDef->click();
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
    EXPECT_EQ(e.DistK, 0.0f);
    for (float v : {e.AsTraccionPos, e.AsCompresionNeg, e.CortanteMax, e.MomentoPosMax}) {
        EXPECT_EQ(v, 0.0f);
    }
    EXPECT_EQ(p.seccion.TipoViga, "");
    // The section window's fields are emptied, its dimensions kept.
    frmSeccion* s = Ventana<frmSeccion>();
    for (QLineEdit* c : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(c->text(), "");
    EXPECT_EQ(p.seccion.Bf, antes.Bf);
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

}  // namespace
}  // namespace korvex::ui
