#include "ui/section/frmEstribos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/Registro.h"

namespace korvex::ui {

frmEstribos::frmEstribos(QWidget* padre) : QDialog(padre) {
    setObjectName("frmEstribos");
    setWindowTitle("Diametro de los estribos");
    setModal(true);

    Label1 = new QLabel("Favor introducir el diametro a utilizar para los estribos:", this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    opt38 = new QRadioButton(QString::fromUtf8("ø 3/8"), this);
    opt38->setObjectName("opt38");
    opt12 = new QRadioButton(QString::fromUtf8("ø 1/2"), this);
    opt12->setObjectName("opt12");
    opt38->setChecked(true);
    cmdEstribosOk = new QPushButton("Ok", this);
    cmdEstribosOk->setObjectName("cmdEstribosOk");
    cmdEstribosOk->setDefault(true);

    auto* opciones = new QHBoxLayout;
    opciones->addStretch();
    opciones->addWidget(opt38);
    opciones->addSpacing(24);
    opciones->addWidget(opt12);
    opciones->addStretch();
    auto* boton = new QHBoxLayout;
    boton->addStretch();
    boton->addWidget(cmdEstribosOk);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Label1);
    l->addLayout(opciones);
    l->addLayout(boton);
    setTabOrder(opt38, opt12);
    setTabOrder(opt12, cmdEstribosOk);
    setMinimumWidth(320);

    connect(cmdEstribosOk, &QPushButton::clicked, this, &frmEstribos::cmdEstribosOk_Click);
}

void frmEstribos::cmdEstribosOk_Click() {
    DiamEstribo = opt38->isChecked() ? "3/8" : "1/2";
    accept();
}

void frmEstribos::reject() {
    DiamEstribo = "3/8";
    QDialog::reject();
    if (Registro::Instancia().SiExiste<frmEstribos>() == this) {
        Registro::Instancia().Descargar<frmEstribos>();
    }
}

std::string PreguntarEstribo() {
    Registro::Instancia().Ventana<frmEstribos>()->exec();
    return frmEstribos::DiamEstribo.toStdString();
}

}  // namespace korvex::ui
