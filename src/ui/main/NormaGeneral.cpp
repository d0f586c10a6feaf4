// frmGeneral: the project's design rules (cboNorma), the sustained part of
// its live load (txtVivaSostenida) and its stirrup bar (cboEstribo), and the
// caption that names the rules of the results on screen (lblNorma). Like the
// live-load arrangements, a change is a change of the project's data: after a
// calculation the results follow at once.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "design/Reglas.h"
#include "project/Calculo.h"
#include "text/Numeros.h"
#include "ui/common/Eventos.h"
#include "ui/common/Mensajes.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

namespace {

// The rules offered, by key, with the combinations they design for.
struct Opcion {
    std::string_view clave;
    const char* texto;
};
constexpr Opcion kOpciones[] = {
    {kReglasClasicas, "Clásica (1.4 CM + 1.7 CV)"},
    {kReglasAci318, "ACI 318-19 (1.2 CM + 1.6 CV)"},
};

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void frmGeneral::CrearNorma() {
    QWidget* centro = centralWidget();
    lblNormaDiseno = new QLabel(QString::fromUtf8("Norma de diseño:"), centro);
    lblNormaDiseno->setObjectName("lblNormaDiseno");
    cboNorma = new QComboBox(centro);
    cboNorma->setObjectName("cboNorma");
    for (const Opcion& o : kOpciones) cboNorma->addItem(QString::fromUtf8(o.texto), Q(o.clave));
    cboNorma->setToolTip(QString::fromUtf8(
        "Reglas de diseño del proyecto: la clásica (ACI 318-99, 1.4 CM + 1.7 CV) o "
        "ACI 318-19 (1.2 CM + 1.6 CV, phi según la deformación del acero, Vc de la "
        "tabla 22.5.5.1). Se guarda en el proyecto; un proyecto nuevo usa la clásica"));
    lblVivaSostenida = new QLabel(QString::fromUtf8("Carga viva sostenida (%):"), centro);
    lblVivaSostenida->setObjectName("lblVivaSostenida");
    txtVivaSostenida = new QLineEdit("0", centro);
    txtVivaSostenida->setObjectName("txtVivaSostenida");
    txtVivaSostenida->setToolTip(QString::fromUtf8(
        "Porcentaje de la carga viva que actúa de forma permanente (de 0 a 100), que la "
        "deflexión a largo plazo de ACI 318-19 suma a la carga muerta. Solo con ACI "
        "318-19; las reglas clásicas no lo usan"));

    lblNorma = new QLabel(frmRespuestas);
    lblNorma->setObjectName("lblNorma");
    lblNorma->setToolTip(
        QString::fromUtf8("Reglas de diseño con las que se calcularon los resultados mostrados"));

    // The stirrup bar: no item chosen while the project has none.
    lblDiamEstribo = new QLabel(QString::fromUtf8("Diámetro de estribos:"), centro);
    lblDiamEstribo->setObjectName("lblDiamEstribo");
    cboEstribo = new QComboBox(centro);
    cboEstribo->setObjectName("cboEstribo");
    cboEstribo->addItem("3/8\"", static_cast<int>(DiametroEstribo::TresOctavos));
    cboEstribo->addItem("1/2\"", static_cast<int>(DiametroEstribo::MedioPulgada));
    cboEstribo->setCurrentIndex(-1);
    cboEstribo->setToolTip(QString::fromUtf8(
        "Diámetro de las barras de los estribos. Si está vacío, el primer cálculo que "
        "diseña estribos lo pregunta y guarda la respuesta aquí; se guarda en el proyecto"));

    connect(cboNorma, &QComboBox::currentIndexChanged, this, &frmGeneral::cboNorma_Click);
    connect(cboEstribo, &QComboBox::currentIndexChanged, this, &frmGeneral::cboEstribo_Click);
    AlPerderFoco(txtVivaSostenida, [this] { txtVivaSostenida_LostFocus(); });
    connect(txtVivaSostenida, &QLineEdit::returnPressed, this,
            &frmGeneral::txtVivaSostenida_LostFocus);
}

void frmGeneral::MostrarNorma() {
    // The controls show the project's options: the handlers then find
    // nothing to change.
    const EstadoProyecto& e = documento_.proyecto().estado;
    const int i = cboNorma->findData(Q(e.Norma));
    cboNorma->setCurrentIndex(i < 0 ? 0 : i);
    txtVivaSostenida->setText(Q(texto::FormatoGeneral(e.VivaSostenida)));
    const bool aci = e.Norma != kReglasClasicas;
    txtVivaSostenida->setEnabled(aci);
    lblVivaSostenida->setEnabled(aci);
    MostrarEstribo();
    MostrarRecubrimientoLibre();
}

void frmGeneral::MostrarEstribo() {
    const DiametroEstribo estribo = documento_.proyecto().estado.Estribo;
    cboEstribo->setCurrentIndex(cboEstribo->findData(static_cast<int>(estribo)));
}

void frmGeneral::MostrarNormaResultados() {
    lblNorma->setText("Norma: " + Q(NombreCortoReglas(documento_.resultado().norma)));
}

void frmGeneral::cboNorma_Click() {
    Proyecto& p = documento_.proyecto();
    const std::string clave = cboNorma->currentData().toString().toStdString();
    const bool aci = clave != kReglasClasicas;
    txtVivaSostenida->setEnabled(aci);
    lblVivaSostenida->setEnabled(aci);
    if (p.estado.Norma == clave) return;
    p.estado.Norma = clave;
    if (optMomCor->isEnabled()) cmdCalculos_Click();
}

void frmGeneral::cboEstribo_Click() {
    Proyecto& p = documento_.proyecto();
    if (cboEstribo->currentIndex() < 0) return;  // the project has none yet
    const auto estribo = static_cast<DiametroEstribo>(cboEstribo->currentData().toInt());
    if (p.estado.Estribo == estribo) return;
    p.estado.Estribo = estribo;
    if (optMomCor->isEnabled()) cmdCalculos_Click();
}

void frmGeneral::txtVivaSostenida_LostFocus() {
    Proyecto& p = documento_.proyecto();
    const std::string t = txtVivaSostenida->text().trimmed().toStdString();
    const double v = texto::NumeroCampo(t);
    if (!texto::EsNumerico(t) || !(v >= 0 && v <= 100)) {
        MostrarMensaje("La carga viva sostenida es un porcentaje de 0 a 100",
                       "Carga Viva Sostenida Incorrecta", kEstiloCritico);
        // The project keeps its value; the field shows it again.
        txtVivaSostenida->setText(Q(texto::FormatoGeneral(p.estado.VivaSostenida)));
        Seleccionar(txtVivaSostenida);
        return;
    }
    const float sostenida = static_cast<float>(v);
    if (p.estado.VivaSostenida == sostenida) return;
    p.estado.VivaSostenida = sostenida;
    if (optMomCor->isEnabled()) cmdCalculos_Click();
    // The value is taken once the focus has left: the marks follow here.
    MarcarDesactualizado();
    ActualizarTitulo();
}

}  // namespace korvex::ui
