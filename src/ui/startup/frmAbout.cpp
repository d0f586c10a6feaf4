#include "ui/startup/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QSysInfo>
#include <QVBoxLayout>

#include "ui/common/Mensajes.h"
#include "ui/startup/Dibujos.h"
#include "ui/startup/Version.h"

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
    lblVersion = etiqueta("lblVersion", QString::fromUtf8("Versión ") + VersionPrograma());
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

QString frmAbout::InformacionSistema() {
    const QString nucleo = QSysInfo::kernelType() + " " + QSysInfo::kernelVersion();
    return QString::fromUtf8("Korvex %1\n"
                             "Qt %2\n"
                             "Sistema: %3\n"
                             "Núcleo: %4 (%5)\n"
                             "Configuración guardada en: %6")
        .arg(VersionPrograma(), QString::fromLatin1(qVersion()), QSysInfo::prettyProductName(),
             nucleo, QSysInfo::currentCpuArchitecture(),
             QDir::toNativeSeparators(QSettings().fileName()));
}

void frmAbout::cmdSysInfo_Click() {
    MostrarMensaje(InformacionSistema().toStdString(), "Información del sistema",
                   kEstiloInformacion);
}

}  // namespace korvex::ui
