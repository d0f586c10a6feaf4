// frmEstribos: the stirrup-diameter dialog, shown modally when the shear
// design asks (PreguntarEstribo). "Ok" answers the chosen diameter; the
// close box (or Esc) answers "3/8" and unloads the dialog, so the next
// showing starts again from its design state (opt38 chosen). DiamEstribo
// keeps the last answer for the whole run ("" until the first answer).
#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QPushButton;
class QRadioButton;

namespace korvex::ui {

class frmEstribos : public QDialog {
    Q_OBJECT

  public:
    explicit frmEstribos(QWidget* padre = nullptr);

    static inline QString DiamEstribo;  // "3/8" or "1/2" (bar diameter, inches)

    QLabel* Label1;
    QRadioButton* opt38;
    QRadioButton* opt12;
    QPushButton* cmdEstribosOk;

    void cmdEstribosOk_Click();

  public slots:
    void reject() override;  // Form_Unload
};

// The stirrup question of the windows: shows frmEstribos modally and returns
// its DiamEstribo, "3/8" or "1/2".
std::string PreguntarEstribo();

}  // namespace korvex::ui
