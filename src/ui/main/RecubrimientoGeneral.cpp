// frmGeneral: the project's clear cover (txtRecLibre), the distance from the
// face to the stirrups from which the bars of each face are placed, and what
// follows the bar window's choice of the user's bars. The cover field
// (txtRec) stays the distance to the centroid of the steel that the design
// assumes for d. Like the sustained live load, the value is taken when the
// focus leaves the field; after a calculation the results follow at once.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "project/OpcionesArmado.h"
#include "text/Numeros.h"
#include "ui/common/Avisos.h"
#include "ui/common/Eventos.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmVarillas.h"

namespace korvex::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void frmGeneral::CrearRecubrimientoLibre(QGridLayout* datos, int fila) {
    QWidget* centro = centralWidget();
    lblRecLibre = new QLabel("Recubrimiento libre (cm)", centro);
    lblRecLibre->setObjectName("lblRecLibre");
    txtRecLibre = new QLineEdit(Q(texto::FormatoGeneral(kRecubrimientoLibre)), centro);
    txtRecLibre->setObjectName("txtRecLibre");
    txtRecLibre->setToolTip(QString::fromUtf8(
        "Recubrimiento libre: distancia de la cara de la viga a los estribos, desde la que se "
        "colocan las varillas de cada cara y se calcula el peralte real. El campo "
        "Recubrimiento sigue siendo la distancia al centroide del acero supuesta para d. "
        "Se guarda en el proyecto; por omisión 4 cm"));
    datos->addWidget(lblRecLibre, fila, 0);
    datos->addWidget(txtRecLibre, fila, 1, 1, 2);

    AlPerderFoco(txtRecLibre, [this] { txtRecLibre_LostFocus(); });
    connect(txtRecLibre, &QLineEdit::returnPressed, this, &frmGeneral::txtRecLibre_LostFocus);
    connect(&Avisos::Instancia(), &Avisos::BarrasCambiadas, this, &frmGeneral::BarrasCambiadas);
}

void frmGeneral::MostrarRecubrimientoLibre() {
    // The field shows the project's value: its handler then finds nothing
    // to change.
    txtRecLibre->setText(Q(texto::FormatoGeneral(documento_.proyecto().estado.RecubrimientoLibre)));
    if (frmVarillas* v = Registro::Instancia().SiExiste<frmVarillas>()) v->MostrarBarras();
}

void frmGeneral::txtRecLibre_LostFocus() {
    Proyecto& p = documento_.proyecto();
    float valor = 0;
    const std::string razon =
        LeerRecubrimientoLibre(txtRecLibre->text().trimmed().toStdString(), p, valor);
    if (!razon.empty()) {
        MostrarMensaje(razon, "Recubrimiento Libre Incorrecto", kEstiloCritico);
        // The project keeps its value; the field shows it again.
        txtRecLibre->setText(Q(texto::FormatoGeneral(p.estado.RecubrimientoLibre)));
        Seleccionar(txtRecLibre);
        return;
    }
    if (p.estado.RecubrimientoLibre == valor) return;
    p.estado.RecubrimientoLibre = valor;
    if (optMomCor->isEnabled()) cmdCalculos_Click();
    // The value is taken once the focus has left: the marks follow here.
    MarcarDesactualizado();
    ActualizarTitulo();
}

void frmGeneral::BarrasCambiadas() {
    if (optMomCor->isEnabled()) cmdCalculos_Click();
    MarcarDesactualizado();
    // The step of the history and the title, once the change is handled.
    titulo_->start(0);
}

}  // namespace korvex::ui
