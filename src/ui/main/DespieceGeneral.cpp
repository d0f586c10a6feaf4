// frmGeneral: the command "Despiece", which opens the bar schedule and the
// drawing of the current design (frmDespiece), beside the bar table's.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/common/Registro.h"
#include "ui/despiece/frmDespiece.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

void frmGeneral::CrearDespiece() {
    cmdDespiece = new QPushButton("Despiece", frmRespuestas);
    cmdDespiece->setObjectName("cmdDespiece");
    cmdDespiece->setToolTip(QString::fromUtf8(
        "Planilla de barras (marcas, cortes, longitudes, estribos) y dibujo de la viga, "
        "exportable a DXF. Disponible tras un cálculo cuyo diseño tiene despiece"));
    cmdDespiece->setEnabled(false);
    // On the row of the bar table's command.
    if (auto* res = qobject_cast<QGridLayout*>(frmRespuestas->layout())) {
        res->removeWidget(cmdVarillas);
        auto* fila = new QHBoxLayout;
        fila->addWidget(cmdVarillas, 1);
        fila->addWidget(cmdDespiece);
        res->addLayout(fila, 2, 0, 1, 3);
    }
    connect(cmdDespiece, &QPushButton::clicked, this, &frmGeneral::cmdDespiece_Click);
}

void frmGeneral::HabilitarDespiece() {
    const ResultadoCalculo& r = documento_.resultado();
    const bool vigente = documento_.HayCalculados() && !documento_.Desactualizado();
    cmdDespiece->setEnabled(vigente && !r.disenoFallido && !r.Despiece.barras.empty());
    if (auto* v = Registro::Instancia().SiExiste<frmDespiece>()) v->MarcarDesactualizado();
}

void frmGeneral::cmdDespiece_Click() {
    frmDespiece* v = Ventana<frmDespiece>();
    v->MostrarDespiece();
    v->show();
    v->raise();
    v->activateWindow();
}

}  // namespace korvex::ui
