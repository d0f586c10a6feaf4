// frmGeneral: what the section and load windows announce, and the section
// as the window shows it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "design/Seccion.h"
#include "ui/common/Colores.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void frmGeneral::SeccionAceptada() {
    // The load window and the cover become available; with loads, the calculation.
    Boton("Cargas")->setEnabled(true);
    txtRec->setEnabled(true);
    TextoVentana(txtRec);
    Datos_Seccion();
    if (documento_.proyecto().estado.NumCargas >= 1) cmdCalculos->setEnabled(true);
}

void frmGeneral::SeccionDescartada() {
    Datos_Seccion();
    cmdCalculos->setEnabled(false);
}

void frmGeneral::CargasAceptadas(bool calculable) {
    cmdCalculos->setEnabled(calculable);
}

void frmGeneral::CargasVaciadas(bool reinicio) {
    // The diagrams and extremes go: the results stay out of date until the
    // next calculation, whatever the loads become.
    documento_.BorrarResultados();
    LimpiarDiagramas();
    if (reinicio) {
        optMomCor->setEnabled(false);
        optGirDef->setEnabled(false);
    }
}

void frmGeneral::Datos_Seccion() {
    const Seccion& s = documento_.proyecto().seccion;
    const QString b = Q(s.txtB), h = Q(s.txtH);
    if (s.TipoViga == kVigaT || s.TipoViga == kVigaTi) {
        lblB->setText("bf: " + b);
        lblH->setText("hf: " + h);
        lblbw->setText("bw: " + Q(s.txtBw));
        lblhw->setText("hw: " + Q(s.txtHw));
    } else {
        lblB->setText("b: " + b);
        lblH->setText("h: " + h);
    }
    lblbw->setVisible(s.TipoViga == kVigaT || s.TipoViga == kVigaTi);
    lblhw->setVisible(s.TipoViga == kVigaT || s.TipoViga == kVigaTi);
    if (s.TipoViga == kVigaRect) {
        lblTipo->setText("Tipo de Viga: Rectangular");
    } else if (s.TipoViga == kVigaT) {
        lblTipo->setText("Tipo de Viga:   T");
    } else if (s.TipoViga == kVigaTi) {
        lblTipo->setText("Tipo de Viga: T Invertida");
    }
}

}  // namespace korvex::ui
