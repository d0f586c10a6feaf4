// The about window "Información General": the two pictures, title, version,
// date, the code note, the authors and the contact line. "Información del
// sistema..." starts the desktop's system-information program when one is
// on the PATH.
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
    // The system-information program found on the PATH, or empty.
    static QString StartSysInfoRuta();
};

}  // namespace korvex::ui
