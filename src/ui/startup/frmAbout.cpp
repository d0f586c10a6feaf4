#include "ui/startup/frmAbout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "ui/common/Mensajes.h"

namespace korvex::ui {

frmAbout::frmAbout(QWidget* padre) : QDialog(padre) {
    setObjectName("frmAbout");
    setWindowTitle("Información General");
    setModal(true);
    auto etiqueta = [this](const char* nombre, const QString& texto) {
        auto* l = new QLabel(texto, this);
        l->setObjectName(nombre);
        l->setWordWrap(true);
        return l;
    };
    lblTitle = etiqueta("lblTitle", "Korvex 2000");
    QFont grande = lblTitle->font();
    grande.setPointSize(grande.pointSize() + 8);
    grande.setBold(true);
    lblTitle->setFont(grande);
    lblVersion = etiqueta("lblVersion", "Versión 1.0");
    lblFecha = etiqueta("lblFecha", "1/2/2000");
    lblDisclaimer = etiqueta("lblDisclaimer",
                             "Nota: Este programa fue creado usando las normas del American "
                             "Concrete Institute 95 ( ACI )");
    QLabel* autores = etiqueta("lblAutores", "Análisis y diseño de vigas de concreto armado.");

    cmdOK = new QPushButton("Aceptar", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton("&Información del sistema...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdOK);
    botones->addWidget(cmdSysInfo);
    botones->addStretch();
    auto* textos = new QVBoxLayout;
    for (QLabel* l : {lblTitle, lblVersion, lblFecha, autores, lblDisclaimer}) textos->addWidget(l);
    textos->addStretch();
    auto* todo = new QHBoxLayout(this);
    todo->addLayout(textos, 1);
    todo->addLayout(botones);
    resize(520, 260);
}

QString frmAbout::StartSysInfoRuta() {
    for (const char* programa : {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"}) {
        const QString ruta = QStandardPaths::findExecutable(programa);
        if (!ruta.isEmpty()) return ruta;
    }
    return {};
}

void frmAbout::cmdSysInfo_Click() {
    const QString ruta = StartSysInfoRuta();
    if (!ruta.isEmpty() && QProcess::startDetached(ruta, {})) return;
    MostrarMensaje("La información del sistema no esta disponible en estos momentos", "Korvex", 0);
}

}  // namespace korvex::ui
