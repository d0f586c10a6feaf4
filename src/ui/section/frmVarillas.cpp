#include "ui/section/frmVarillas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "project/OpcionesArmado.h"
#include "ui/common/Avisos.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Rejilla.h"

namespace korvex::ui {

namespace {

// The rows of the bar table, as its first column names them.
constexpr const char* kFilas[] = {"1\"", "3/4\"", "1/2\"", "3/8\""};

}  // namespace

frmVarillas::frmVarillas(Documento& documento, QWidget* padre)
    : QWidget(padre, Qt::Window), documento_(documento) {
    setObjectName("frmVarillas");
    setWindowTitle("Posibles Varillas a Utilizar");

    grdVarillas = CrearRejilla("grdVarillas", 5, 5, 1, 1, this);
    const char* columnas[] = {"Diámetro", "M(+) Tracción", "M(-) Tracción", "M(+) Compresión",
                              "M(-) Compresión"};
    for (int c = 0; c < 5; ++c) EscribirCelda(grdVarillas, 0, c, QString::fromUtf8(columnas[c]));
    for (int r = 1; r <= 4; ++r) EscribirCelda(grdVarillas, r, 0, kFilas[r - 1]);
    grdVarillas->setToolTip("Número de varillas de cada diámetro para cada área de acero");
    AjustarRejilla(grdVarillas);
    int ancho = 2 * grdVarillas->frameWidth();
    for (int c = 0; c < 5; ++c) ancho += grdVarillas->columnWidth(c);
    grdVarillas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdVarillas->horizontalHeader()->setStretchLastSection(true);
    grdVarillas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdVarillas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdVarillas->setMinimumWidth(ancho);
    grdVarillas->setFixedHeight(5 * grdVarillas->rowHeight(0) + 2 * grdVarillas->frameWidth());

    lblNota = new QLabel(
        QString::fromUtf8("NOTA: Está a criterio del usuario la disposición de las barras de "
                          "acero y su viabilidad a la hora de construirse el elemento, de "
                          "acuerdo a los resultados de este programa."),
        this);
    lblNota->setObjectName("lblNota");
    lblNota->setWordWrap(true);

    auto* caras = new QGridLayout;
    CrearCara(true, caras, 0);
    CrearCara(false, caras, 2);
    caras->setColumnStretch(3, 1);
    cmdAplicarBarras = new QPushButton("Aplicar", this);
    cmdAplicarBarras->setObjectName("cmdAplicarBarras");
    cmdAplicarBarras->setToolTip(QString::fromUtf8(
        "Guarda en el proyecto las varillas elegidas y vuelve a calcular; una cara sin marcar "
        "vuelve a la elección del programa"));
    connect(cmdAplicarBarras, &QPushButton::clicked, this, &frmVarillas::cmdAplicarBarras_Click);

    auto* l = new QVBoxLayout(this);
    l->addWidget(grdVarillas);
    l->addLayout(caras);
    l->addWidget(cmdAplicarBarras, 0, Qt::AlignRight);
    l->addWidget(lblNota);
    MostrarBarras();
}

void frmVarillas::CrearCara(bool inferior, QGridLayout* l, int fila) {
    const QString cara = inferior ? "Inferior" : "Superior";
    auto* armado = new QLabel(this);
    armado->setObjectName("lblArmado" + cara);
    armado->setWordWrap(true);
    armado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    armado->setToolTip(QString::fromUtf8(
        "Varillas de la cara en el último cálculo: capas, peralte real d y φMn con ese "
        "peralte frente a Mu. En rojo, un arreglo que no cumple"));
    auto* elegir = new QCheckBox("Elegir las varillas", this);
    elegir->setObjectName("chkBarras" + cara);
    elegir->setToolTip(QString::fromUtf8(
        "Marque para dar usted las varillas de esta cara (un diámetro y la cantidad) en lugar "
        "de las que elige el programa; el cálculo comprueba que quepan y resistan"));
    auto* diametro = new QComboBox(this);
    diametro->setObjectName("cboDiam" + cara);
    for (const char* f : kFilas) diametro->addItem(f);
    diametro->setToolTip(QString::fromUtf8("Diámetro de las varillas de la cara"));
    auto* cantidad = new QLineEdit(this);
    cantidad->setObjectName("txtCant" + cara);
    cantidad->setToolTip(QString::fromUtf8("Número de varillas de la cara, de 2 a 100"));
    connect(elegir, &QCheckBox::toggled, diametro, &QWidget::setEnabled);
    connect(elegir, &QCheckBox::toggled, cantidad, &QWidget::setEnabled);

    l->addWidget(armado, fila, 0, 1, 4);
    l->addWidget(elegir, fila + 1, 0);
    l->addWidget(diametro, fila + 1, 1);
    l->addWidget(cantidad, fila + 1, 2);
    (inferior ? lblArmadoInferior : lblArmadoSuperior) = armado;
    (inferior ? chkBarrasInferior : chkBarrasSuperior) = elegir;
    (inferior ? cboDiamInferior : cboDiamSuperior) = diametro;
    (inferior ? txtCantInferior : txtCantSuperior) = cantidad;
}

void frmVarillas::TablaVarillas() {
    const ResultadoCalculo& e = documento_.resultado();
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 4; ++r) {
            EscribirCelda(grdVarillas, r, c, QString::number(e.Varillas[r - 1][c - 1]));
        }
    }
    MostrarBarras();
}

void frmVarillas::MostrarBarras() {
    MostrarCara(true);
    MostrarCara(false);
}

void frmVarillas::MostrarCara(bool inferior) {
    const ResultadoCalculo& r = documento_.resultado();
    QLabel* armado = inferior ? lblArmadoInferior : lblArmadoSuperior;
    // Before a calculation there is no arrangement to tell.
    if (r.calculado) {
        armado->setText(QString::fromStdString(TextoCara(r.Armado, inferior, r.disenoFallido)));
    } else {
        armado->clear();
    }
    bool mal = false;
    for (const ArmadoCara& a : r.Armado) {
        if (a.inferior == inferior) mal = a.estado != EstadoArmado::Aceptado;
    }
    armado->setStyleSheet(mal ? "color: red;" : "");

    const EstadoProyecto& e = documento_.proyecto().estado;
    const std::optional<BarrasUsuario>& u = inferior ? e.BarrasInferior : e.BarrasSuperior;
    QCheckBox* elegir = inferior ? chkBarrasInferior : chkBarrasSuperior;
    QComboBox* diametro = inferior ? cboDiamInferior : cboDiamSuperior;
    QLineEdit* cantidad = inferior ? txtCantInferior : txtCantSuperior;
    elegir->setChecked(u.has_value());
    diametro->setEnabled(u.has_value());
    cantidad->setEnabled(u.has_value());
    if (u) {
        diametro->setCurrentIndex(u->diametro);
        cantidad->setText(QString::number(u->cantidad));
    }
}

void frmVarillas::cmdAplicarBarras_Click() {
    std::optional<BarrasUsuario> barras[2];
    for (const bool inferior : {true, false}) {
        if (!(inferior ? chkBarrasInferior : chkBarrasSuperior)->isChecked()) continue;
        QLineEdit* campo = inferior ? txtCantInferior : txtCantSuperior;
        BarrasUsuario b;
        b.diametro = (inferior ? cboDiamInferior : cboDiamSuperior)->currentIndex();
        const std::string razon =
            LeerCantidadBarras(campo->text().trimmed().toStdString(), inferior, b.cantidad);
        if (!razon.empty()) {
            MostrarMensaje(razon, "Cantidad de Varillas Incorrecta", kEstiloCritico);
            campo->setFocus();
            campo->selectAll();
            return;
        }
        barras[inferior ? 0 : 1] = b;
    }
    EstadoProyecto& e = documento_.proyecto().estado;
    if (e.BarrasInferior == barras[0] && e.BarrasSuperior == barras[1]) return;
    e.BarrasInferior = barras[0];
    e.BarrasSuperior = barras[1];
    emit Avisos::Instancia().BarrasCambiadas();
}

}  // namespace korvex::ui
