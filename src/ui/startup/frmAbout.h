// The about window "Información General": title, version, date, the code
// note and the authors; "Información del sistema..." starts the desktop's
// system-information program when one is on the PATH.
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

    QLabel *lblTitle, *lblVersion, *lblFecha, *lblDisclaimer;
    QPushButton *cmdOK, *cmdSysInfo;

    void cmdSysInfo_Click();
    // The system-information program found on the PATH, or empty.
    static QString StartSysInfoRuta();
};

}  // namespace korvex::ui
