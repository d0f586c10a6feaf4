#include "ui/startup/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "ui/common/Mensajes.h"
#include "ui/startup/Dibujos.h"

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
    picIcon = Imagen("picIcon", DibujoSeccionT(QSize(64, 78)), this);
    Image1 = Imagen("Image1", DibujoViga(QSize(170, 110)), this);
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
    lblAutores = etiqueta("lblAutores",
                          "Análisis y diseño de vigas de concreto armado.\n"
                          "Autores: Departamento de Ingeniería Estructural de Korvex.");
    lblContacto = etiqueta("lblContacto",
                           "Comentarios y consultas: soporte@korvex.example\n"
                           "Santo Domingo, República Dominicana");

    auto* raya = new QFrame(this);
    raya->setObjectName("Line1");
    raya->setFrameShape(QFrame::HLine);
    raya->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton("Aceptar", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton("&Información del sistema...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    // Pictures on the left; texts in the middle; the two buttons at the
    // right, under the line with the code note and the contact.
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(picIcon, 0, Qt::AlignHCenter);
    izquierda->addWidget(Image1);
    izquierda->addStretch();
    auto* textos = new QVBoxLayout;
    for (QLabel* l : {lblTitle, lblVersion, lblFecha, lblAutores}) textos->addWidget(l);
    textos->addStretch();
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(izquierda);
    arriba->addLayout(textos, 1);

    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdOK);
    botones->addWidget(cmdSysInfo);
    botones->addStretch();
    auto* abajo = new QGridLayout;
    abajo->addWidget(lblDisclaimer, 0, 0);
    abajo->addWidget(lblContacto, 1, 0);
    abajo->addLayout(botones, 0, 1, 2, 1);
    abajo->setColumnStretch(0, 1);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(arriba, 1);
    todo->addWidget(raya);
    todo->addLayout(abajo);
    resize(560, 380);
}

void frmAbout::cmdOK_Click() {
    accept();  // whoever opened the window unloads it when exec returns
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
    if (ruta.isEmpty()) {
        MostrarMensaje("La información del sistema no esta disponible en estos momentos", "Korvex",
                       kEstiloSimple);
        return;
    }
    if (!QProcess::startDetached(ruta, {})) {
        MostrarMensaje(("No se pudo iniciar el programa de información del sistema " + ruta +
                        ". Compruebe que está bien instalado.")
                           .toStdString(),
                       "Korvex", kEstiloExclamacion);
    }
}

}  // namespace korvex::ui
