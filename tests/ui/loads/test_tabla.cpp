// The load table of the load window: adding with its refusals and the
// frozen beam, the grid, deleting the selected, the last and the only load,
// the reset, accepting with the flange check and reopening after the close
// box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "Cargas.h"
#include "design/Seccion.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {
namespace {

using Msgs = std::vector<Mensaje>;

class Tabla : public pruebas::VentanaCargas {
  protected:
    EstadoProyecto& E() { return ProyectoActual().estado; }

    // A beam length typed and left, as the user starts.
    void Luz(const char* L) { TeclearYSalir(c->txtL, L); }

    // One load typed into the fields and added.
    void Anadir(QRadioButton* tipo, QRadioButton* categoria, const char* a, const char* b,
                const char* p1, const char* p2 = "") {
        if (!tipo->isChecked()) tipo->click();
        categoria->click();
        c->txtA->setText(a);
        if (c->txtB->isEnabled()) c->txtB->setText(b);
        c->txtP1->setText(p1);
        if (c->txtP2->isEnabled()) c->txtP2->setText(p2);
        c->cmdAnadir->click();
        pruebas::ProcesarEventos();
    }
    QStringList Fila(int r) const {
        QStringList f;
        for (int k = 0; k < 7; ++k) f << Celda(c->grid, r, k);
        return f;
    }
};

TEST_F(Tabla, AnadirCongelaLaVigaYLlenaLaRejilla) {
    Luz("6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    ASSERT_EQ(E().NumCargas, 1);
    const Carga& p = E().Cargas[1];
    EXPECT_EQ(p.Tipo, kPuntual);
    EXPECT_EQ(p.Categoria, kViva);
    EXPECT_EQ(p.A, 2.0f);
    EXPECT_EQ(p.B, 0.0f);
    EXPECT_EQ(p.C, 4.0f);
    EXPECT_EQ(p.Fin, 2.0f);
    EXPECT_EQ(p.P1, 5.0f);
    EXPECT_EQ(p.P2, 0.0f);
    EXPECT_EQ(E().LuzViga, 6.0f);
    EXPECT_EQ(E().DistJ, 0.0f);
    EXPECT_EQ(E().DistK, 6.0f);  // without cantilevers k is the length

    // The beam is frozen; the fields are ready for the next load.
    for (QWidget* w : std::initializer_list<QWidget*>{c->txtL, c->lblL, c->txtJ, c->txtK, c->lblj,
                                                      c->lblk, c->Check_Vuelo, c->cmdAnadir}) {
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }
    for (QLineEdit* f : {c->txtA, c->txtB, c->txtP1, c->txtP2}) EXPECT_TRUE(f->text().isEmpty());
    EXPECT_TRUE(c->txtA->hasFocus());

    Anadir(c->optDistribuida, c->optMuerta, "1.5", "2", "1", "3");
    Anadir(c->optMomento, c->Option1, "4", "", "-2.5");
    ASSERT_EQ(c->grid->rowCount(), 4);
    // Headers padded with blanks, which set the column widths.
    QStringList cabeceras;
    for (const QString& t : Fila(0)) cabeceras << t.trimmed();
    EXPECT_EQ(cabeceras, (QStringList{"Carga No.", "Carga", "Tipo", "a", "b", "P1", "P2"}));
    EXPECT_EQ(Fila(1), (QStringList{"1", "Puntual", "Viva", "2", "0", "5", "0"}));
    EXPECT_EQ(Fila(2), (QStringList{"2", "Distribuida", "Muerta", "1.5", "2", "1", "3"}));
    EXPECT_EQ(Fila(3), (QStringList{"3", "Momento", "Otros", "4", "0", "-2.5", "0"}));
    EXPECT_EQ(c->grid->item(2, 3)->textAlignment(), Qt::AlignCenter);
    EXPECT_EQ(c->grid->currentRow(), 3);
    EXPECT_EQ(E().Cargas[2].C, 2.5f);
    EXPECT_EQ(E().Cargas[2].Fin, 3.5f);
}

TEST_F(Tabla, RechazosDeAnadir) {
    Luz("6");
    // a = 5 and b = 2 on 6 m: the span message, a becomes 4, nothing added.
    Anadir(c->optDistribuida, c->optMuerta, "5", "2", "1", "1");
    EXPECT_EQ(Vistos(), (Msgs{{"Esta Distancia no puede ser mayor que la Luz Total de la viga",
                               "Distancia Incorrecta", kEstiloCritico}}));
    EXPECT_EQ(c->txtA->text(), "4");
    EXPECT_EQ(E().NumCargas, 0);
    EXPECT_TRUE(c->txtL->isEnabled());

    // P1 "0" and P2 "0": refused; "0" and "0.0" pass (the texts are compared).
    Neutral();
    Anadir(c->optDistribuida, c->optMuerta, "0", "2", "0", "0");
    EXPECT_EQ(
        Vistos(),
        (Msgs{{"La Carga Distribuida no puede ser 0.", "Valor incorrecto", kEstiloExclamacion}}));
    EXPECT_TRUE(c->txtP1->hasFocus());
    EXPECT_EQ(E().NumCargas, 0);
    Neutral();
    c->txtP2->setText("0.0");
    c->cmdAnadir->click();
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(E().NumCargas, 1);

    // A distributed load over no length: refused, naming b (its slope would
    // divide by b in the analysis).
    for (const char* p2 : {"3", "1"}) {
        SCOPED_TRACE(p2);
        Neutral();
        Anadir(c->optDistribuida, c->optViva, "1", "0", "1", p2);
        ASSERT_EQ(Vistos().size(), 1u);
        EXPECT_EQ(Vistos()[0].texto, "La base b de la Carga Distribuida debe ser mayor que 0");
        EXPECT_TRUE(c->txtB->hasFocus());
        EXPECT_EQ(E().NumCargas, 1);
    }
    // A point load with P1 "0" passes: its P2 field is empty.
    Neutral();
    Anadir(c->optPuntual, c->optViva, "3", "", "0");
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(E().NumCargas, 2);
}

TEST_F(Tabla, LaCarga32768SeRechazaConUnMensaje) {
    Luz("6");
    for (int i = 0; i < kMaxCargas; ++i) AgregarCarga(E(), pruebas::Puntual(1, 1, kViva, 6));
    Neutral();
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    ASSERT_EQ(Vistos().size(), 1u);
    EXPECT_EQ(Vistos()[0].estilo, kEstiloExclamacion);
    EXPECT_EQ(E().NumCargas, kMaxCargas);
}

TEST_F(Tabla, ConVuelosYSinEllosLosApoyosSalenDeLosCampos) {
    c->Check_Vuelo->click();
    Luz("6");
    TeclearYSalir(c->txtJ, "1.5");
    TeclearYSalir(c->txtK, "4.5");
    Anadir(c->optPuntual, c->optMuerta, "0", "", "2");
    EXPECT_EQ(E().DistJ, 1.5f);
    EXPECT_EQ(E().DistK, 4.5f);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo1), 1078, 1);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo2), 2514, 1);

    // j typed while the box was ticked, then unticked: DistJ is still that
    // j (the field is only hidden) and k is the length.
    c->cmdReiniciar->click();
    c->Check_Vuelo->click();
    Luz("6");
    TeclearYSalir(c->txtJ, "1");
    c->Check_Vuelo->click();
    ASSERT_FALSE(c->txtJ->isVisible());
    Anadir(c->optPuntual, c->optMuerta, "3", "", "2");
    EXPECT_EQ(E().DistJ, 1.0f);
    EXPECT_EQ(E().DistK, 6.0f);
}

TEST_F(Tabla, BorrarLaSeleccionadaLaUltimaYLaUnica) {
    Luz("6");
    Anadir(c->optPuntual, c->optViva, "1", "", "1");
    Anadir(c->optPuntual, c->optViva, "2", "", "2");
    Anadir(c->optPuntual, c->optViva, "3", "", "3");

    // The second row selected: loads 1 and 3 remain, numbered 1 and 2.
    c->grid->setCurrentCell(2, 1);
    c->cmdBorrar->click();
    ASSERT_EQ(E().NumCargas, 2);
    EXPECT_EQ(E().Cargas[1].P1, 1.0f);
    EXPECT_EQ(E().Cargas[2].P1, 3.0f);
    EXPECT_EQ(Fila(2), (QStringList{"2", "Puntual", "Viva", "3", "0", "3", "0"}));
    EXPECT_TRUE(c->txtA->hasFocus());

    // Selection untouched: the last load goes.
    Anadir(c->optPuntual, c->optViva, "4", "", "4");
    c->cmdBorrar->click();
    ASSERT_EQ(E().NumCargas, 2);
    EXPECT_EQ(E().Cargas[2].P1, 3.0f);
    EXPECT_EQ(c->grid->rowCount(), 3);

    // The header row selected marks no load.
    c->grid->setCurrentCell(0, 0);
    c->cmdBorrar->click();
    EXPECT_EQ(E().NumCargas, 2);

    // Down to one, then the only one: the beam is released.
    c->cmdBorrar->click();
    ASSERT_EQ(E().NumCargas, 1);
    E().CortanteMax = 7;
    E().MomentoPosMax = 9;
    frmGeneral* g = Ventana<frmGeneral>();
    g->lblMp->setText("9.00");
    EscribirCelda(c->grid1, 1, 1, "1.00");
    c->cmdBorrar->click();
    EXPECT_EQ(E().NumCargas, 0);
    EXPECT_EQ(E().LuzViga, 0.0f);
    EXPECT_EQ(E().CortanteMax, 0.0f);
    EXPECT_EQ(E().MomentoPosMax, 0.0f);
    EXPECT_TRUE(c->txtL->text().isEmpty());
    EXPECT_EQ(c->txtJ->text(), "0");
    EXPECT_EQ(c->txtK->text(), "0");
    for (QWidget* w : std::initializer_list<QWidget*>{c->txtL, c->lblL, c->txtJ, c->txtK, c->lblj,
                                                      c->lblk, c->Check_Vuelo}) {
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
    EXPECT_FALSE(c->Check_Vuelo->isChecked());
    EXPECT_TRUE(c->txtL->hasFocus());
    EXPECT_EQ(c->grid->rowCount(), 1);
    EXPECT_TRUE(Celda(c->grid1, 1, 1).isEmpty());
    EXPECT_TRUE(g->lblMp->text().isEmpty());
    EXPECT_EQ(c->pctCarga->IzquierdaTwips(c->Apoyo1), 360);
    EXPECT_EQ(c->pctCarga->IzquierdaTwips(c->Apoyo2), 3240);

    // With no load, deleting only clears the sketch.
    c->cmdBorrar->click();
    EXPECT_EQ(E().NumCargas, 0);
    EXPECT_TRUE(Vistos().empty());
}

TEST_F(Tabla, ReiniciarLoVaciaTodo) {
    c->Check_Vuelo->click();
    Luz("8");
    TeclearYSalir(c->txtJ, "1");
    TeclearYSalir(c->txtK, "7");
    Anadir(c->optMomento, c->optViva, "4", "", "3");
    Anadir(c->optPuntual, c->optViva, "2", "", "3");
    c->txtX->setText("2");
    c->cmdCalc->click();
    ASSERT_FALSE(Celda(c->grid1, 1, 1).isEmpty());
    frmGeneral* g = Ventana<frmGeneral>();
    g->optMomCor->setEnabled(true);

    c->cmdReiniciar->click();
    EXPECT_EQ(E().NumCargas, 0);
    EXPECT_EQ(E().LuzViga, 0.0f);
    EXPECT_EQ(E().DistJ, 0.0f);
    EXPECT_EQ(E().DistK, 0.0f);
    for (QLineEdit* f :
         {c->txtL, c->txtA, c->txtB, c->txtP1, c->txtP2, c->txtJ, c->txtK, c->txtX}) {
        EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
    }
    EXPECT_TRUE(Celda(c->grid1, 1, 1).isEmpty());
    EXPECT_TRUE(c->optDistribuida->isChecked());
    EXPECT_FALSE(c->Check_Vuelo->isChecked());
    EXPECT_TRUE(c->Check_Vuelo->isEnabled());
    EXPECT_TRUE(c->txtL->isEnabled());
    EXPECT_TRUE(c->txtL->hasFocus());
    EXPECT_EQ(c->grid->rowCount(), 1);
    EXPECT_FALSE(g->optMomCor->isEnabled());
    EXPECT_FALSE(g->optGirDef->isEnabled());
    EXPECT_EQ(c->pctCarga->IzquierdaTwips(c->Apoyo2), 3240);
}

// A T section of flange bf (cm) over hf = 10, bw = 25, as the section window
// leaves it after its OK.
void SeccionT(const char* bf) {
    Seccion& s = ProyectoActual().seccion;
    s.TipoViga = kVigaT;
    s.txtB = bf;
    s.txtH = "10";
    s.txtBw = "25";
    s.txtHw = "40";
    Calculos_Geom(s, ProyectoActual().estado);
}

TEST_F(Tabla, AceptarComprobandoElAla) {
    frmGeneral* g = Ventana<frmGeneral>();
    // No load yet: nothing to check (the limit of a 0 m beam would be 0),
    // and the calculation stays unavailable.
    SeccionT("200");
    g->cmdCalculos->setEnabled(true);
    c->cmdCargasOk->click();
    EXPECT_TRUE(Vistos().empty());
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_FALSE(c->isVisible());

    // 6 m: limit min(600 / 4, 16 * 10 + 25) = 150 cm, so 200 is refused.
    c->show();
    QApplication::setActiveWindow(c);
    Luz("6");
    Anadir(c->optDistribuida, c->optMuerta, "0", "6", "2", "2");
    Neutral();
    c->cmdCargasOk->click();
    pruebas::ProcesarEventos();
    EXPECT_EQ(Vistos(), (Msgs{{"La dimension bf de la viga tiene que ser menor o igual que 150. "
                               "Para poder intruducir una mayor dimensión de bf debe aumentar bw, "
                               "hf o ambos",
                               "Dimensión insuficiente", kEstiloCritico}}));
    EXPECT_EQ(c->BfMax, 150.0f);
    frmSeccion* s = Ventana<frmSeccion>();
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->txtB->text(), "150");
    EXPECT_EQ(s->txtB->selectedText(), "150");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_EQ(ProyectoActual().estado.VueloGuardado, 0.0f);

    // A flange within the limit: accepted, the calculation available.
    s->hide();
    SeccionT("150");
    Olvidar();
    c->show();
    c->cmdCargasOk->click();
    EXPECT_TRUE(Vistos().empty());
    EXPECT_TRUE(g->cmdCalculos->isEnabled());
}

TEST_F(Tabla, ReabrirTrasElCuadroDeCierreRestauraLaVentana) {
    c->Check_Vuelo->click();
    Luz("8");
    TeclearYSalir(c->txtJ, "1.5");
    TeclearYSalir(c->txtK, "6.5");
    Anadir(c->optDistribuida, c->optMuerta, "0", "8", "2", "2");
    Anadir(c->optPuntual, c->optViva, "4", "", "3");
    const QStringList fila1 = Fila(1), fila2 = Fila(2);
    frmGeneral* g = Ventana<frmGeneral>();
    g->cmdCalculos->setEnabled(false);

    c->close();  // the close box
    pruebas::ProcesarEventos();
    EXPECT_TRUE(g->cmdCalculos->isEnabled());
    EXPECT_EQ(ProyectoActual().estado.VueloGuardado, 1.0f);
    EXPECT_EQ(Registro::Instancia().SiExiste<frmCargas>(), nullptr);  // unloaded

    frmCargas* n = Ventana<frmCargas>();
    n->show();
    EXPECT_EQ(n->grid->rowCount(), 3);
    EXPECT_EQ(Celda(n->grid, 1, 1), fila1[1]);
    EXPECT_EQ(Celda(n->grid, 2, 5), fila2[5]);
    EXPECT_EQ(n->txtL->text(), "8");
    EXPECT_FALSE(n->txtL->isEnabled());
    EXPECT_TRUE(n->Check_Vuelo->isChecked());
    EXPECT_FALSE(n->Check_Vuelo->isEnabled());
    EXPECT_TRUE(n->txtJ->isVisible());
    EXPECT_EQ(n->txtJ->text(), "1.5");
    EXPECT_EQ(n->txtK->text(), "6.5");
    EXPECT_FALSE(n->txtJ->isEnabled());
    EXPECT_TRUE(n->optDistribuida->isChecked());
    EXPECT_EQ(ProyectoActual().estado.ModuloElasticidad, 1.0f);
    EXPECT_NEAR(n->pctCarga->IzquierdaTwips(n->Apoyo1), 360 + 2872 * 1.5 / 8, 1);
}

}  // namespace
}  // namespace korvex::ui
