// frmGeneral: the checks of the material fields and the calculation, run
// through the core's workflow with the progress bar following its stages and
// the results shown once it has returned; the live-load arrangements option
// and its notice.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "project/Calculo.h"
#include "text/Numeros.h"
#include "ui/common/Eventos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/common/Rejilla.h"
#include "ui/despiece/frmDespiece.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmVarillas.h"

namespace korvex::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

// ---- Material fields ------------------------------------------------------

void frmGeneral::txtFc_LostFocus() {
    const std::string t = txtFc->text().toStdString();
    if (!texto::EsNumerico(t) || texto::NumeroCampo(t) <= 0) {
        MostrarMensaje("La resistencia del Hormigón es un numero Positivo mayor que 0",
                       "Resistencia Incorrecta", kEstiloCritico);
        Seleccionar(txtFc);
    }
}

void frmGeneral::txtRec_Change() {
    const std::string t = txtRec->text().toStdString();
    QAction* secciones = Boton("Secciones");
    if (t.empty()) {
        secciones->setEnabled(false);
    } else if (texto::EsNumerico(t)) {
        secciones->setEnabled(true);
    }
}

void frmGeneral::txtRec_LostFocus() {
    const std::string t = txtRec->text().toStdString();
    const double r = texto::NumeroCampo(t);
    if (!texto::EsNumerico(t) || r < 1 || r > 10) {
        MostrarMensaje("El Recubrimiento solo admite valores  de 1 a 10 cms",
                       "Distancia Incorrecta", kEstiloCritico);
        if (frmSecciones* s = Registro::Instancia().SiExiste<frmSecciones>()) s->hide();
        Seleccionar(txtRec);
    }
}

void frmGeneral::cboFy_Click() {
    if (optMomCor->isEnabled()) cmdCalculos_Click();
}

// ---- Live-load arrangements -------------------------------------------------

void frmGeneral::chkAlternancia_Click() {
    // The box shows the project's option: a window bringing it up to date
    // (an opening, the reset) changes nothing.
    Proyecto& p = documento_.proyecto();
    const bool activa = chkAlternancia->isChecked();
    if (p.estado.AlternanciaViva == activa) return;
    p.estado.AlternanciaViva = activa;
    // After a calculation the results follow at once, as for fy.
    if (optMomCor->isEnabled()) cmdCalculos_Click();
}

void frmGeneral::MostrarAviso() {
    const std::string& aviso = documento_.resultado().AvisoAlternancia;
    lblAlternancia->setText(Q(aviso));
    lblAlternancia->setVisible(!aviso.empty());
}

// ---- The calculation ------------------------------------------------------

void frmGeneral::cmdCalculos_Click() {
    Calcular(false);
}

namespace {

// The progress bar's value at each stage of a calculation, in their order.
int ValorBarra(EtapaCalculo etapa) {
    constexpr int kValores[] = {20, 30, 40, 50, 60, 70, 80, 90, 100};
    return kValores[static_cast<int>(etapa)];
}

}  // namespace

void frmGeneral::Calcular(bool abierto) {
    if (calculando_) return;  // a change of fy while the stirrup question is open
    calculando_ = true;
    // During the calculation only the progress bar follows its stages: the
    // results are drawn once it has returned, never half made.
    auto etapa = [this](EtapaCalculo etapa) {
        PBar->setValue(ValorBarra(etapa));
        PBar->repaint();
    };
    // A calculation refused or not run leaves the results and their mark as
    // they were.
    if (documento_.Calcular(Adaptador(), etapa, abierto)) MostrarResultados();
    // The answer to the stirrup question is the project's bar from now on.
    MostrarEstribo();
    PBar->setValue(100);
    calculando_ = false;
}

void frmGeneral::MostrarResultados() {
    const ResultadoCalculo& e = documento_.resultado();
    // The diagram choice available, the boxes drawn afresh under their titles.
    optMomCor->setEnabled(true);
    optGirDef->setEnabled(true);
    pct1->Limpiar();
    pct2->Limpiar();
    Titulos();
    txtEstribos->setText(Q(e.txtEstribos));
    MostrarAviso();
    MostrarNormaResultados();
    DibujarDiagramas();
    EscribirCelda(grdAcero, 1, 1, Q(texto::Formato(e.AsTraccionPos, "###,###.00")));
    EscribirCelda(grdAcero, 1, 2, Q(texto::Formato(e.AsTraccionNeg, "###,###.00")));
    EscribirCelda(grdAcero, 2, 1, Q(texto::Formato(e.AsCompresionPos, "###,###.00")));
    EscribirCelda(grdAcero, 2, 2, Q(texto::Formato(e.AsCompresionNeg, "###,###.00")));
    Ventana<frmVarillas>()->TablaVarillas();
    // An open schedule window shows the new design.
    if (auto* v = Registro::Instancia().SiExiste<frmDespiece>()) v->MostrarDespiece();
    cmdVarillas->setEnabled(true);
    Boton("Salvar")->setEnabled(true);
    Boton("Imprimir")->setEnabled(true);
    mnuArchivoSalvarcomo->setEnabled(true);
    mnuArchivoImprimir->setEnabled(true);
    // The results follow the data as they stand.
    FijarCalculados(true);
}

}  // namespace korvex::ui
