#include "ui/section/frmSecciones.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/Iconos.h"
#include "ui/common/Registro.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {

frmSecciones::frmSecciones(Documento& documento, QWidget* padre)
    : QDialog(padre), documento_(documento) {
    setObjectName("frmSecciones");
    setWindowTitle(QString::fromUtf8("Secciones Típicas"));
    setModal(true);

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setIconSize(QSize(48, 48));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Tipo {
        const char* clave;
        const char* texto;
        const char* ayuda;
    };
    const Tipo tipos[] = {{kVigaRect, "Rectangular", "Sección rectangular"},
                          {kVigaT, "T", "Sección T: ala arriba del alma"},
                          {kVigaTi, "T Invertida", "Sección T invertida: ala debajo del alma"}};
    for (const Tipo& t : tipos) {
        const QString clave = t.clave;
        QAction* a = Toolbar1->addAction(Icono(clave), QString::fromUtf8(t.texto));
        a->setObjectName(clave);
        a->setToolTip(QString::fromUtf8(t.ayuda));
        Toolbar1->widgetForAction(a)->setObjectName(clave);
        connect(a, &QAction::triggered, this, [this, clave] { Toolbar1_ButtonClick(clave); });
    }
    lblElija = new QLabel(QString::fromUtf8("Elija el tipo de sección de la viga"), this);
    lblElija->setObjectName("lblElija");

    auto* l = new QVBoxLayout(this);
    l->addWidget(lblElija);
    l->addWidget(Toolbar1);
}

QAction* frmSecciones::Boton(const QString& clave) const {
    for (QAction* a : Toolbar1->actions()) {
        if (a->objectName() == clave) return a;
    }
    return nullptr;
}

void frmSecciones::Toolbar1_ButtonClick(const QString& clave) {
    const std::string tipo = clave.toStdString();
    documento_.proyecto().seccion.TipoViga = tipo;
    if (tipo != kVigaRect && tipo != kVigaT && tipo != kVigaTi) return;
    hide();
    frmSeccion* s = Registro::Instancia().Ventana<frmSeccion>(documento_);
    s->Preparar();
    s->exec();
}

}  // namespace korvex::ui
