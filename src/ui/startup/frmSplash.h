// The presentation window shown while the program starts: product name,
// product line, platform, version, the two pictures and the maker's lines.
// A key press on the window or a click on its frame Frame1 unloads it at
// once; the start-up routine unloads it otherwise.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace korvex::ui {

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* padre = nullptr);

    QFrame* Frame1;
    QLabel *imgLogo, *Image1;
    QLabel *lblProductName, *lblCompanyProduct, *lblPlatform, *lblVersion;
    QLabel *lblCompany, *lblCopyright, *lblWarning, *lblContacto, *lblLugar;

    void Form_Load();
    void Form_KeyPress();
    void Frame1_Click();

    // The operating system this program runs on, as the splash names it.
    static QString Plataforma();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace korvex::ui
