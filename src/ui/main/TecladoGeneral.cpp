// frmGeneral: the keyboard. The usual shortcuts sit on the menu entries, so
// the menus show them: Ctrl+N "Nuevo", Ctrl+O "Abrir", Ctrl+S "Guardar
// cambios" (the project's own file), Ctrl+Shift+S "Guardar" (always the
// dialog), Ctrl+P "Imprimir", F1 "Instrucciones"; F5 presses "Realizar
// Cálculos" while it is enabled. The Tab key follows the window from the
// material data down to the commands.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "ui/main/frmGeneral.h"

namespace korvex::ui {

void frmGeneral::CrearAtajos() {
    mnuArchivoAbrir->setShortcut(QKeySequence("Ctrl+O"));
    mnuArchivoNuevo->setShortcut(QKeySequence("Ctrl+N"));
    mnuArchivoSalvarcomo->setShortcut(QKeySequence("Ctrl+Shift+S"));
    mnuArchivoSalvarcomo->setStatusTip("Guarda el proyecto en el archivo que se elija");
    mnuArchivoImprimir->setShortcut(QKeySequence("Ctrl+P"));
    mnuAyudaIndice->setShortcut(QKeySequence(Qt::Key_F1));

    // "Guardar cambios" goes right before "Guardar" and is available with it.
    mnuArchivoGuardar = new QAction("Guardar cambios", this);
    mnuArchivoGuardar->setObjectName("mnuArchivoGuardar");
    mnuArchivoGuardar->setShortcut(QKeySequence("Ctrl+S"));
    mnuArchivoGuardar->setStatusTip(
        "Guarda el proyecto en su archivo (o pide uno si nunca se ha guardado)");
    mnuArchivo->insertAction(mnuArchivoSalvarcomo, mnuArchivoGuardar);
    mnuArchivoGuardar->setEnabled(mnuArchivoSalvarcomo->isEnabled());
    connect(mnuArchivoSalvarcomo, &QAction::enabledChanged, mnuArchivoGuardar,
            &QAction::setEnabled);
    connect(mnuArchivoGuardar, &QAction::triggered, this, &frmGeneral::mnuArchivoGuardar_Click);

    cmdCalculos->setShortcut(QKeySequence(Qt::Key_F5));

    // Data first (materials, deflection use, rules), then the results and
    // the commands.
    QWidget* orden[] = {txtFc,          cboFy,       txtRec,           txtRecLibre, cmdUsos,
                        chkAlternancia, cboNorma,    txtVivaSostenida, cmdCalculos, cmdReiniciar2,
                        txtEstribos,    cmdVarillas, cmdDespiece,      optMomCor,   optGirDef};
    for (std::size_t i = 1; i < std::size(orden); ++i) setTabOrder(orden[i - 1], orden[i]);
}

}  // namespace korvex::ui
