#include "ui/section/frmUsos.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/LimiteUso.h"
#include "project/Calculo.h"
#include "project/DatosProyecto.h"
#include "ui/common/Avisos.h"
#include "ui/section/OpcionLarga.h"

namespace korvex::ui {

namespace {

OpcionLarga* NuevaOpcion(const char* nombre, const char* texto, QWidget* padre) {
    auto* o = new OpcionLarga(QString::fromUtf8(texto), padre);
    o->setObjectName(nombre);
    return o;
}

}  // namespace

frmUsos::frmUsos(Documento& documento, QWidget* padre) : QDialog(padre), documento_(documento) {
    setObjectName("frmUsos");
    setWindowTitle("Tipo de Elemento");
    setModal(true);

    Label1 = new QLabel("Uso de la Viga", this);
    Label1->setObjectName("Label1");
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    Option1 = NuevaOpcion("Option1",
                          "Azoteas Planas que no soporten ni estén ligadas a elementos no "
                          "estructurales susceptibles de sufrir daños por grandes deflexiones",
                          this);
    Option2 = NuevaOpcion("Option2",
                          "Entrepisos que no soporten ni estén ligados a elementos no "
                          "estructurales susceptibles de sufrir daños por grandes deflexiones",
                          this);
    Option3 = NuevaOpcion("Option3",
                          "Sistema de entrepiso o azotea que soporte o esté ligado a elementos "
                          "no estructurales susceptibles de sufrir daños por grandes deflexiones",
                          this);
    Option4 = NuevaOpcion("Option4",
                          "Sistema de entrepiso o azotea que soporte o esté ligado a elementos "
                          "no estructurales no susceptibles de sufrir daños por grandes "
                          "deflexiones",
                          this);
    cmdFrmUsosOk = new QPushButton("Ok", this);
    cmdFrmUsosOk->setObjectName("cmdFrmUsosOk");
    cmdFrmUsosOk->setDefault(true);

    auto* l = new QVBoxLayout(this);
    l->addWidget(Label1);
    QLabel** limites[] = {&lblLimite1, &lblLimite2, &lblLimite3, &lblLimite4};
    for (int uso = 1; uso <= 4; ++uso) {
        QLabel*& limite = *limites[uso - 1];
        limite = new QLabel(this);
        limite->setObjectName(QString("lblLimite%1").arg(uso));
        limite->setToolTip("Deflexión máxima admisible de este uso en cada zona de la viga");
        // Under its option's text, past the round button.
        limite->setContentsMargins(24, 0, 0, 6);
        l->addWidget(Opcion(uso));
        l->addWidget(limite);
    }
    auto* boton = new QHBoxLayout;
    boton->addStretch();
    boton->addWidget(cmdFrmUsosOk);
    l->addLayout(boton);

    Option1->setChecked(true);
    for (int uso = 1; uso <= 4; ++uso) {
        connect(Opcion(uso), &QRadioButton::toggled, this, [this, uso](bool elegido) {
            if (!elegido) return;
            documento_.proyecto().materiales.UsoDeflexion = uso;
            emit Avisos::Instancia().UsoCambiado();
        });
    }
    documento_.proyecto().materiales.UsoDeflexion = 1;
    connect(cmdFrmUsosOk, &QPushButton::clicked, this, &frmUsos::cmdFrmUsosOk_Click);
}

QRadioButton* frmUsos::Opcion(int uso) const {
    switch (uso) {
        case 1:
            return Option1;
        case 2:
            return Option2;
        case 3:
            return Option3;
        case 4:
            return Option4;
        default:
            return nullptr;
    }
}

int frmUsos::Uso() const {
    for (int uso = 1; uso <= 4; ++uso) {
        if (Opcion(uso)->isChecked()) return uso;
    }
    return 0;
}

void frmUsos::ElegirUso(int uso) {
    if (QRadioButton* o = Opcion(uso)) {
        o->setChecked(true);
        return;
    }
    for (int u = 1; u <= 4; ++u) {
        Opcion(u)->setAutoExclusive(false);
        Opcion(u)->setChecked(false);
        Opcion(u)->setAutoExclusive(true);
    }
    documento_.proyecto().materiales.UsoDeflexion = 0;
    emit Avisos::Instancia().UsoCambiado();
}

void frmUsos::cmdFrmUsosOk_Click() {
    hide();
}

QLabel* frmUsos::Limite(int uso) const {
    switch (uso) {
        case 1:
            return lblLimite1;
        case 2:
            return lblLimite2;
        case 3:
            return lblLimite3;
        default:
            return lblLimite4;
    }
}

void frmUsos::MostrarLimites() {
    const Proyecto& p = documento_.proyecto();
    const DatosViga datos = DatosVigaDe(p);
    const ReglasDiseno& reglas = ReglasDe(p);
    for (int uso = 1; uso <= 4; ++uso) {
        QStringList lineas;
        for (const std::string& t : TextosLimiteUso(datos, reglas, uso))
            lineas << QString::fromStdString(t);
        // A beam not yet given its length and supports has no limit to show.
        Limite(uso)->setText(lineas.join('\n'));
        Limite(uso)->setVisible(!lineas.isEmpty());
    }
}

void frmUsos::showEvent(QShowEvent* e) {
    MostrarLimites();
    QDialog::showEvent(e);
}

}  // namespace korvex::ui
