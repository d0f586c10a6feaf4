// The about window "Información General": the two pictures, title, version,
// date, the code note, the authors and the contact line. "Información del
// sistema..." shows the program's and Qt's versions, the system and where
// the settings are kept.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace korvex::ui {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* padre = nullptr);

    QLabel *picIcon, *Image1;
    QLabel *lblTitle, *lblVersion, *lblFecha, *lblDisclaimer, *lblAutores, *lblContacto;
    QPushButton *cmdOK, *cmdSysInfo;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // The text of "Información del sistema...", one item a line.
    static QString InformacionSistema();
};

}  // namespace korvex::ui
